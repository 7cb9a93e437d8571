// SPDX-License-Identifier: MIT
// A whole match played through the real board window, offscreen: the menu's
// new-game action, then a click on each of the nine hand cards, each followed
// by a repaint so the time includes drawing what the click changed.

#include "engine/Random.h"
#include "qt/app/Game.h"
#include "qt/help/HelpLauncher.h"
#include "qt/main/Form1.h"

#include <QAction>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

using namespace zamut;

void BM_MatchThroughWidgets(benchmark::State& bench) {
    ClockMixedGenerator generator;
    QStringList fatalErrors;
    Game game(generator, std::make_unique<DetachedHelpLauncher>(),
              [&](const QString& what) { fatalErrors.append(what); });
    Form1& form = game.board();
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        bench.SkipWithError("the board window was never exposed");
        return;
    }
    for (auto _ : bench) {
        form.menu().start->trigger();
        form.repaint();
        for (CardValue card = 1; card <= 9; ++card) {
            QWidget* hand = form.image(handImage(card));
            QTest::mouseClick(hand, Qt::LeftButton, {}, hand->rect().center());
            form.repaint();
        }
        // A click that missed would leave its card enabled.
        if (!fatalErrors.isEmpty() || form.image(handImage(9))->isEnabled()) {
            bench.SkipWithError("the match did not run to its end");
            return;
        }
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_MatchThroughWidgets)->Unit(benchmark::kMillisecond);

} // namespace
