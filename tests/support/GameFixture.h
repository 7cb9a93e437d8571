#pragma once

#include "app/Game.h"
#include "platform/testing/RecordingHelpLauncher.h"
#include "ui/main/PictureBox.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <array>

namespace zamut::testing {

// The whole game as start-up makes it, board shown offscreen, with help
// requests recorded instead of started and fatal errors collected.
class GameFixture : public ::testing::Test {
protected:
    explicit GameFixture(
        Clock clock = [] { return std::uint64_t{1}; }, std::uint64_t seed = 11)
        : generator(std::move(clock), seed) {
        auto launcher = std::make_unique<RecordingHelpLauncher>();
        help = launcher.get();
        form.dlgCommonDialog.SetLauncher(std::move(launcher));
        form.show();
    }

    // Where a widget stands on the board (the window's client area).
    QRect BoardRect(const QWidget* widget) const {
        return {widget->mapTo(form.centralWidget(), QPoint(0, 0)), widget->size()};
    }
    static void Click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(widget, button, {}, widget->rect().center());
    }
    void ClickCard(int card) { Click(form.Image(HandImage(card))); }

    // Starts a match from the menu, then fixes the computer's order.
    void NewMatch(const std::array<int, 9>& order) {
        form.start->trigger();
        for (int n = 1; n <= 9; ++n)
            form.state.ComputerCard[n] = order[std::size_t(n - 1)];
    }
    bool Shows(ImageId id, int picture) const {
        return form.Image(id)->picture().cacheKey() == form.Image1[std::size_t(picture)].cacheKey();
    }

    ClockMixedGenerator generator;
    QStringList fatalErrors;
    Game game{generator, [this](const QString& what) { fatalErrors.append(what); }};
    Form1& form = game.board();
    RecordingHelpLauncher* help = nullptr;
};

} // namespace zamut::testing
