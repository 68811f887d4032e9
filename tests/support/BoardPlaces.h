#pragma once
#include <compare>
#include <cstdint>
#include <ostream>

// Two ways to name a cell. The window knows it as cell `cell` of box `grid`
// (its place in the control arrays usrcntGrid and usrcntSquare); the player
// knows it by its row and column on the 9x9 board, both counted from the top
// left. Boxes and the cells inside a box both run row by row.
namespace support {

struct CellPlace {
    std::int16_t grid = 0;
    std::int16_t cell = 0;
    auto operator<=>(const CellPlace&) const = default;
};

struct BoardPos {
    int row = 0;
    int col = 0;
    auto operator<=>(const BoardPos&) const = default;
};

inline constexpr int boardSize = 9;
inline constexpr int cellCount = 81;

constexpr CellPlace placeOf(BoardPos pos)
{
    return {static_cast<std::int16_t>(pos.row / 3 * 3 + pos.col / 3),
            static_cast<std::int16_t>(pos.row % 3 * 3 + pos.col % 3)};
}

constexpr BoardPos posOf(CellPlace place)
{
    return {place.grid / 3 * 3 + place.cell / 3, place.grid % 3 * 3 + place.cell % 3};
}

// Cells numbered 0 to 80 in the window's order: box by box, and inside a box cell by cell.
constexpr int ordinalOf(CellPlace place) { return place.grid * 9 + place.cell; }

constexpr CellPlace placeOfOrdinal(int ordinal)
{
    return {static_cast<std::int16_t>(ordinal / 9), static_cast<std::int16_t>(ordinal % 9)};
}

inline std::ostream& operator<<(std::ostream& out, CellPlace place)
{
    return out << "grid " << place.grid << " / cell " << place.cell;
}

inline std::ostream& operator<<(std::ostream& out, BoardPos pos)
{
    return out << "row " << pos.row << ", col " << pos.col;
}

} // namespace support
