// A fixed amount of work for callgrind to count: picks and take-backs in every
// cell. Its instruction count is kept as a reference, so that a change making the
// hot path several times slower fails a test without any timing.
#include "bench/BoardFixture.h"

// Not inlined, so callgrind can count this function alone and leave start-up out.
[[gnu::noinline]] void pickAndTakeBackEverywhere(BoardFixture& board)
{
    for (std::int16_t box = 0; box <= 8; ++box)
        for (std::int16_t cell = 0; cell <= 8; ++cell) {
            board.click(box, cell, 4);
            board.click(box, cell, 4);
        }
}

int main()
{
    BoardFixture board;
    pickAndTakeBackEverywhere(board);
}
