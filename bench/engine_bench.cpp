// SPDX-License-Identifier: MIT
// Engine benchmarks: a deal, the draws it takes and a whole match, without a window.

#include "engine/Match.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zamut;

class NullBoard final : public BoardView {
public:
    void ShowCardPicture(ImageId, CardPicture) override {}
    void SetCardEnabled(ImageId, bool) override {}
    void SetCaption(LabelId, std::string_view text) override { benchmark::DoNotOptimize(text); }
};

// Counts the draws of the real, clock-reseeded generator.
class CountingGenerator final : public RandomGenerator {
public:
    void reseedFromClock() override { inner.reseedFromClock(); }
    float draw() override {
        ++draws;
        return inner.draw();
    }
    ClockMixedGenerator inner;
    std::int64_t draws = 0;
};

void BM_Deal(benchmark::State& bench) {
    CountingGenerator generator;
    MatchState state;
    NullBoard board;
    for (auto _ : bench) {
        Deal(state, board, generator);
        benchmark::DoNotOptimize(state);
    }
    bench.counters["draws_per_deal"] = benchmark::Counter(static_cast<double>(generator.draws),
                                                          benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Deal);

void BM_WholeMatch(benchmark::State& bench) {
    ClockMixedGenerator generator;
    MatchState state;
    NullBoard board;
    for (auto _ : bench) {
        NewGame(state, board, generator);
        for (CardValue card = 1; card <= 9; ++card) {
            PlayCard(state, board, card);
        }
        benchmark::DoNotOptimize(state);
    }
}
BENCHMARK(BM_WholeMatch);

} // namespace
