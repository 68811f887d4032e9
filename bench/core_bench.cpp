// What a click costs in the board's own logic, with a null front-end so that only
// the core is measured: a pick and its take-back through the whole tree, and the
// three board commands on a board holding 30 picks.
#include <array>
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

// Reset empties the board, so it must be filled again before the next one, and
// that refill (thirty picks, some thirty times a Reset) must stay out of the
// figure. Pausing the clock around it for every single Reset costs about as much
// as the Reset itself on this board (each pause and resume reads the process's CPU
// clock), so the boards are filled and reset in batches: one pause and resume for
// every 32 Resets. The time reported is for a whole batch; the counter "batch"
// says how many Resets it holds, and dividing gives the cost of one. The boards
// are distinct, so each Reset finds its board out of the first-level cache, as a
// player's Reset after a while of thinking would.
void BM_Reset(benchmark::State& state)
{
    constexpr int batch = 32;
    std::array<BoardFixture, batch> boards;
    for (auto _ : state) {
        state.PauseTiming();
        for (BoardFixture& board : boards)
            board.pickThirty();
        state.ResumeTiming();
        for (BoardFixture& board : boards)
            board.main().cmdReset_Click();
    }
    state.counters["batch"] = batch;
}
BENCHMARK(BM_Reset);

} // namespace

BENCHMARK_MAIN();
