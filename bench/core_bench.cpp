// What a click costs in the board's own logic, with a null front-end so that only
// the core is measured: a pick and its take-back through the whole tree, and the
// three board commands on a board holding 30 picks.
#include <benchmark/benchmark.h>

#include "bench/BoardFixture.h"

namespace {

void BM_PickAndTakeBack(benchmark::State& state)
{
    BoardFixture board;
    for (auto _ : state) {
        board.click(4, 4, 4); // the centre cell of the board
        board.click(4, 4, 4);
    }
}
BENCHMARK(BM_PickAndTakeBack);

template <void (Orvane_Main::*command)()>
void BM_Command(benchmark::State& state)
{
    BoardFixture board;
    board.pickThirty();
    for (auto _ : state)
        (board.main().*command)();
}
BENCHMARK(BM_Command<&Orvane_Main::cmdFix_Click>)->Name("BM_Fix");
BENCHMARK(BM_Command<&Orvane_Main::cmdUnFix_Click>)->Name("BM_UnFix");

// Reset empties the board, so every round fills it again outside the timing.
void BM_Reset(benchmark::State& state)
{
    BoardFixture board;
    for (auto _ : state) {
        state.PauseTiming();
        board.pickThirty();
        state.ResumeTiming();
        board.main().cmdReset_Click();
    }
}
BENCHMARK(BM_Reset);

} // namespace

BENCHMARK_MAIN();
