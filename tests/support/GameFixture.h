#pragma once

#include "ScriptedGenerator.h"
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
        : generator({}, std::move(clock), seed) {
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

    // Starts a match from the menu in which the computer plays `order`.
    void NewMatch(const std::array<int, 9>& order) {
        generator.Deal(order);
        form.menu().start->trigger();
    }
    bool Shows(ImageId id, int picture) const {
        return form.Image(id)->picture().cacheKey() ==
               form.Picture(static_cast<CardPicture>(picture)).cacheKey();
    }
    QLabel* Label(LabelId id) const { return form.Label(id); }
    template <typename Control = QWidget> Control* Named(const char* name) const {
        return form.findChild<Control*>(QLatin1String(name));
    }

    ScriptedGenerator generator;
    QStringList fatalErrors;
    RecordingHelpLauncher* help = new RecordingHelpLauncher;
    Game game{generator, std::unique_ptr<HelpLauncher>(help),
              [this](const QString& what) { fatalErrors.append(what); }};
    Form1& form = game.board();
};

} // namespace zamut::testing
