#pragma once
#include <cstdint>
#include <memory>

#include "box/usrcntSquare.h"
#include "ui/ControlArray.h"
#include "ui/Controls.h"

// The board window: nine boxes in three bands of three and the buttons "Fix",
// "Un-Fix" and "Reset". It owns its window's controls and the boxes built on
// them. Commands go down to boxes 0 to 8 in order; a pick a box reports goes on
// to the other boxes of its band (SetRow) and its stack (SetCol). The window
// holds no state of its own.
class Orvane_Main {
public:
    explicit Orvane_Main(std::unique_ptr<ui::BoardWindow> window);
    Orvane_Main(const Orvane_Main&) = delete;
    Orvane_Main& operator=(const Orvane_Main&) = delete;

    void show();

    const usrcntSquare& box(std::int16_t index) const { return usrcntGrid(index); }
    usrcntSquare& box(std::int16_t index) { return usrcntGrid(index); }
    // The window's controls, whose Click the history raises as the player's clicks do.
    ui::BoardWindow& window() { return *window_; }

    void cmdFix_Click();
    void cmdUnFix_Click();
    void cmdReset_Click();
    void usrcntGrid_Chosen(std::int16_t Index, std::int16_t squareIndex, std::int16_t btnIndex, bool setIt);

private:
    // Declared first so that the boxes, which hold references into it, go first.
    std::unique_ptr<ui::BoardWindow> window_;
    ui::ControlArray<usrcntSquare> usrcntGrid;
};
