#pragma once

#include "app/Game.h"
#include "engine/Random.h"
#include "platform/testing/RecordingHelpLauncher.h"
#include "ui/main/Form1.h"
#include "ui/main/PictureBox.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <array>

namespace zamut::testing {

// The real board window, wired as the program wires it, shown offscreen, with
// help requests recorded instead of started.
class BoardFixture : public ::testing::Test {
protected:
    BoardFixture() {
        auto launcher = std::make_unique<RecordingHelpLauncher>();
        helpLauncher = launcher.get();
        form.dlgCommonDialog.SetLauncher(std::move(launcher));
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    QPoint BoardPos(const QWidget* widget) const {
        return widget->mapTo(form.centralWidget(), QPoint(0, 0));
    }
    QRect BoardRect(const QWidget* widget) const { return {BoardPos(widget), widget->size()}; }

    static void Click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(widget, button, {}, widget->rect().center());
    }

    // Starts a match from the menu, then fixes the computer's order.
    void NewMatch(const std::array<int, 9>& order) {
        form.start->trigger();
        for (int n = 1; n <= 9; ++n)
            form.state.ComputerCard[n] = order[static_cast<std::size_t>(n - 1)];
    }

    bool Shows(ImageId id, int picture) const {
        return form.Image(id)->picture().cacheKey() ==
               form.Image1[static_cast<std::size_t>(picture)].cacheKey();
    }

    ClockMixedGenerator generator{[] { return std::uint64_t{1}; }, 11};
    QStringList fatalErrors;
    Game game{generator, [this](const QString& what) { fatalErrors.append(what); }};
    Form1& form = game.board();
    RecordingHelpLauncher* helpLauncher = nullptr;
};

} // namespace zamut::testing
