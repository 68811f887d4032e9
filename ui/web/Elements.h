#pragma once
#include <cstdint>

// Every element the board writes to after it is built has a number, so that a
// property write crosses into the page as a few integers. Candidate button i of
// cell k of box b is (b * 9 + k) * 10 + i, that cell's label the number after its
// nine buttons; the three commands follow the 81 cells, and the cells themselves,
// which take the focus when none of their candidates can, come last.
namespace ui::web {

inline constexpr std::int16_t labelPart = 9;

constexpr int candidateElement(std::int16_t box, std::int16_t cell, std::int16_t index)
{
    return (box * 9 + cell) * 10 + index;
}
constexpr int labelElement(std::int16_t box, std::int16_t cell) { return candidateElement(box, cell, labelPart); }

// Back from a number below resetElement: its cell, numbered box by box from 0 to
// 80, and its part, a candidate 0 to 8 or the label.
constexpr int cellOfElement(int element) { return element / 10; }
constexpr std::int16_t partOfElement(int element) { return static_cast<std::int16_t>(element % 10); }

inline constexpr int resetElement = 810;
inline constexpr int fixElement = 811;
inline constexpr int unFixElement = 812;
constexpr int cellElement(std::int16_t box, std::int16_t cell) { return unFixElement + 1 + box * 9 + cell; }
inline constexpr int elementCount = cellElement(8, 8) + 1;

} // namespace ui::web
