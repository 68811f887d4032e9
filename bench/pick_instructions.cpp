// Fixed amounts of work for callgrind to count, each in a function of its own:
// picks and take-backs in every cell, "Fix", "Un-Fix" and "Reset" on a board of
// thirty picks, and "Reset" of a finished game (81 cells picked and frozen) on
// the core and through the history, and its undo. Counting instructions is
// exact, unlike timing on a busy machine: the pick path's count is kept as a
// reference for a test, and scripts/bench judges them all by their counts.
#include "bench/BoardFixture.h"

// Not inlined, so callgrind can count each function alone and leave start-up out.
[[gnu::noinline]] void pickAndTakeBackEverywhere(BoardFixture& board)
{
    for (std::int16_t box = 0; box <= 8; ++box)
        for (std::int16_t cell = 0; cell <= 8; ++cell) {
            board.click(box, cell, 4);
            board.click(box, cell, 4);
        }
}

[[gnu::noinline]] void fixThirty(BoardFixture& board) { board.main().cmdFix_Click(); }
[[gnu::noinline]] void unFixThirty(BoardFixture& board) { board.main().cmdUnFix_Click(); }
[[gnu::noinline]] void resetThirty(BoardFixture& board) { board.main().cmdReset_Click(); }
[[gnu::noinline]] void coreResetOfFinishedGame(BoardFixture& board) { board.main().cmdReset_Click(); }
[[gnu::noinline]] void historyResetOfFinishedGame(BoardFixture& board) { board.history().reset(); }
[[gnu::noinline]] void undoResetOfFinishedGame(BoardFixture& board) { board.history().undo(); }

void finishGame(BoardFixture& board)
{
    board.pickAll();
    board.main().cmdFix_Click();
}

int main()
{
    BoardFixture board;
    pickAndTakeBackEverywhere(board);
    board.pickThirty();
    fixThirty(board);
    unFixThirty(board);
    resetThirty(board);
    finishGame(board);
    coreResetOfFinishedGame(board);
    finishGame(board);
    historyResetOfFinishedGame(board);
    undoResetOfFinishedGame(board);
}
