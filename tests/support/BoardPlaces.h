#pragma once
#include <array>
#include <cstdint>
#include <ostream>

#include "ui/BoardPlace.h"

// The tests name a cell as the window does, by ui::BoxCell, or as the player
// does, by ui::RowColumn; ui/BoardPlace.h maps between the two.
namespace support {

using ui::BoxCell;
using ui::RowColumn;

inline constexpr int boardSize = 9;
inline constexpr int cellCount = 81;

// Every cell by row and column, row by row, and a cell's index in that order.
inline constexpr std::array<RowColumn, cellCount> everyRowColumn = [] {
    std::array<RowColumn, cellCount> places{};
    for (int n = 0; n < cellCount; ++n)
        places.at(static_cast<std::size_t>(n)) = {n / boardSize, n % boardSize};
    return places;
}();

constexpr int rowMajorIndexOf(RowColumn place) { return place.row * boardSize + place.column; }

// Cells numbered 0 to 80 in the window's order: box by box, and inside a box cell by cell.
constexpr int ordinalOf(BoxCell place) { return place.box * 9 + place.cell; }

constexpr BoxCell boxCellOfOrdinal(int ordinal)
{
    return {static_cast<std::int16_t>(ordinal / 9), static_cast<std::int16_t>(ordinal % 9)};
}

// Two cells are peers when they differ and share a row, a column or a 3 x 3 block,
// worked out from coordinates alone, not from the board's wiring of boxes, rows
// and columns.
constexpr bool arePeers(RowColumn a, RowColumn b)
{
    const bool sameBlock = a.row / 3 == b.row / 3 && a.column / 3 == b.column / 3;
    return a != b && (a.row == b.row || a.column == b.column || sameBlock);
}

constexpr bool arePeers(BoxCell a, BoxCell b) { return arePeers(ui::rowColumnOf(a), ui::rowColumnOf(b)); }

} // namespace support

namespace ui {

// As the write log names a cell.
inline std::ostream& operator<<(std::ostream& out, BoxCell place)
{
    return out << "grid " << place.box << " / cell " << place.cell;
}

inline std::ostream& operator<<(std::ostream& out, RowColumn place)
{
    return out << "row " << place.row << ", col " << place.column;
}

} // namespace ui
