// SPDX-License-Identifier: MIT
// The whole game shown offscreen, for tests that need its windows.
#pragma once

#include "RecordingHelpLauncher.h"
#include "ScriptedGenerator.h"
#include "qt/app/Game.h"
#include "qt/main/PictureBox.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

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
    QRect boardRect(const QWidget* widget) const {
        return {widget->mapTo(form.centralWidget(), QPoint(0, 0)), widget->size()};
    }
    bool shows(ImageId id, int picture) const {
        return form.image(id)->picture().cacheKey() ==
               form.picture(static_cast<CardPicture>(picture)).cacheKey();
    }
    template <typename Control = QWidget> Control* named(const char* name) const {
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
