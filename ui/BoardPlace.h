#pragma once
#include <compare>
#include <cstdint>

// Two ways to name a cell, and the one place that maps between them. The window
// holds a cell as cell `cell` of box `box`, its places in the control arrays
// usrcntGrid and usrcntSquare, both counted row by row in their 3 x 3. The player
// knows it by its row and column on the 9 x 9 board, counted from the top left.
// Every front-end names its controls for assistive technology by the player's
// way (PlaceNames.h), since all 81 cells caption their candidates "1" to "9".
namespace ui {

struct BoxCell {
    std::int16_t box = 0;
    std::int16_t cell = 0;
    friend constexpr auto operator<=>(BoxCell, BoxCell) = default;
};

// Row and column 0 to 8; a player reads them as 1 to 9.
struct RowColumn {
    int row = 0;
    int column = 0;
    friend constexpr auto operator<=>(RowColumn, RowColumn) = default;
};

constexpr RowColumn rowColumnOf(BoxCell place)
{
    return {place.box / 3 * 3 + place.cell / 3, place.box % 3 * 3 + place.cell % 3};
}

constexpr BoxCell boxCellOf(RowColumn place)
{
    return {static_cast<std::int16_t>(place.row / 3 * 3 + place.column / 3),
            static_cast<std::int16_t>(place.row % 3 * 3 + place.column % 3)};
}

// The 81 cells numbered 0 to 80 in two orders: row by row across the board, as
// the keys and the desktops count them, or box by box and in a box cell by cell,
// the window's order, as the history and the page count them.
constexpr std::int16_t rowMajor(RowColumn place) { return static_cast<std::int16_t>(place.row * 9 + place.column); }
constexpr RowColumn rowColumnAt(int rowMajor) { return {rowMajor / 9, rowMajor % 9}; }
constexpr std::int16_t boxMajor(BoxCell place) { return static_cast<std::int16_t>(place.box * 9 + place.cell); }
constexpr BoxCell boxCellAt(int boxMajor)
{
    return {static_cast<std::int16_t>(boxMajor / 9), static_cast<std::int16_t>(boxMajor % 9)};
}

} // namespace ui
