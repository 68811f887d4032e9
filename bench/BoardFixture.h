#pragma once
#include <cstdint>
#include <memory>

#include "app/History.h"
#include "app/Orvane_Main.h"
#include "tests/support/NullPlatform.h"

// A whole board over the null front-end, clicked the way the toolkit would:
// by raising the candidate button's Click, and its history. It builds its own
// Orvane_Main rather than the program-wide one, so that several boards can
// stand side by side.
class BoardFixture {
public:
    BoardFixture()
    {
        auto window = std::make_unique<ui::NullBoardWindow>();
        window_ = window.get();
        board_ = std::make_unique<Orvane_Main>(std::move(window));
        history_ = std::make_unique<History>(*board_);
        board_->show();
    }
    BoardFixture(const BoardFixture&) = delete;
    BoardFixture& operator=(const BoardFixture&) = delete;

    Orvane_Main& main() { return *board_; }
    History& history() { return *history_; }

    void click(std::int16_t box, std::int16_t cell, std::int16_t candidate)
    {
        window_->usrcntGrid(box).usrcntSquare(cell).btnBlock(candidate).Click.raise();
    }

    // Thirty picks, or all 81, row by row, that never bar one another: digit (r * 3 + r / 3 + c) % 9 + 1
    // in row r, column c is a solved board's pattern, so each is free when clicked.
    void pickThirty() { pick(30); }
    void pickAll() { pick(81); }

private:
    void pick(int picks)
    {
        main().cmdReset_Click();
        for (int n = 0; n < picks; ++n) {
            const int row = n / 9, col = n % 9;
            const int digit = (row * 3 + row / 3 + col) % 9;
            click(static_cast<std::int16_t>(row / 3 * 3 + col / 3), static_cast<std::int16_t>(row % 3 * 3 + col % 3),
                  static_cast<std::int16_t>(digit));
        }
    }

    ui::NullBoardWindow* window_ = nullptr; // owned by board_
    std::unique_ptr<Orvane_Main> board_;
    std::unique_ptr<History> history_; // declared after the board, so it goes first
};
