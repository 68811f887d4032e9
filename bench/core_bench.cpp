// What a click costs in the board's own logic, with a null front-end so that only
// the core is measured: a pick and its take-back through the whole tree, the
// three board commands on a board holding 30 picks, "Reset" of a full board and
// its undo, and the memory of a full history.
#include <array>
#include <benchmark/benchmark.h>

#include "bench/BoardFixture.h"
#include "support/HeldBytes.h"

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
template <void (*fill)(BoardFixture&)>
void BM_Reset(benchmark::State& state)
{
    constexpr int batch = 32;
    std::array<BoardFixture, batch> boards;
    for (auto _ : state) {
        state.PauseTiming();
        for (BoardFixture& board : boards)
            fill(board);
        state.ResumeTiming();
        for (BoardFixture& board : boards)
            board.main().cmdReset_Click();
    }
    state.counters["batch"] = batch;
}

void pickThirty(BoardFixture& board) { board.pickThirty(); }
// A finished game: every cell picked and frozen, the most an undone "Reset" brings back.
void finishGame(BoardFixture& board)
{
    board.pickAll();
    board.main().cmdFix_Click();
}
BENCHMARK(BM_Reset<pickThirty>)->Name("BM_Reset");
BENCHMARK(BM_Reset<finishGame>)->Name("BM_ResetFinishedGame");

// Its undo: 81 picks clicked again and 81 cells frozen, which fills the board for
// the next "Reset" (through the history, its clock stopped: beside 81 picks, a
// pause costs little).
void BM_UndoResetFinishedGame(benchmark::State& state)
{
    BoardFixture board;
    finishGame(board);
    for (auto _ : state) {
        state.PauseTiming();
        board.history().reset();
        state.ResumeTiming();
        board.history().undo();
    }
}
BENCHMARK(BM_UndoResetFinishedGame);

// The history's memory at 10,000 actions, a "Reset" after every pick (its time
// is that of the 10,000 actions).
void BM_HistoryOf10000(benchmark::State& state)
{
    for (auto _ : state) {
        BoardFixture board;
        const support::HeldBytes held;
        for (int n = 0; n < 5000; ++n) {
            board.history().click(ui::BoxCell{8, 8}, 8);
            board.history().reset();
        }
        state.counters["bytes"] = static_cast<double>(held.now());
    }
}
BENCHMARK(BM_HistoryOf10000)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
