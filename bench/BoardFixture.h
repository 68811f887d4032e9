#pragma once
#include <cstdint>

#include "app/modOrvane.h"
#include "ui/NullPlatform.h"

// A whole board over the null front-end, clicked the way the toolkit would:
// by raising the candidate button's Click.
class BoardFixture {
public:
    BoardFixture() { modOrvane::Main(platform_); }
    ~BoardFixture() { modOrvane::releaseBoard(); }
    BoardFixture(const BoardFixture&) = delete;
    BoardFixture& operator=(const BoardFixture&) = delete;

    Orvane_Main& main() { return *modOrvane::board(); }

    void click(std::int16_t box, std::int16_t cell, std::int16_t candidate)
    {
        window().usrcntGrid(box).usrcntSquare(cell).btnBlock(candidate).Click.raise();
    }

    // Thirty picks, row by row, that never bar one another: digit (r * 3 + r / 3 + c) % 9 + 1
    // in row r, column c is a solved board's pattern, so each is free when clicked.
    void pickThirty()
    {
        main().cmdReset_Click();
        for (int n = 0; n < 30; ++n) {
            const int row = n / 9, col = n % 9;
            const int digit = (row * 3 + row / 3 + col) % 9;
            click(static_cast<std::int16_t>(row / 3 * 3 + col / 3), static_cast<std::int16_t>(row % 3 * 3 + col % 3),
                  static_cast<std::int16_t>(digit));
        }
    }

private:
    ui::BoardWindow& window() { return platform_.window(); }

    class KeepingPlatform final : public ui::Platform {
    public:
        std::unique_ptr<ui::BoardWindow> createBoardWindow() override
        {
            auto made = std::make_unique<ui::NullBoardWindow>();
            window_ = made.get();
            return made;
        }
        ui::BoardWindow& window() { return *window_; }

    private:
        ui::BoardWindow* window_ = nullptr;
    };
    KeepingPlatform platform_;
};
