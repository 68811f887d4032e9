#pragma once
#include <array>
#include <cstddef>
#include <string>

#include "support/BoardPlaces.h"
#include "ui/SysColor.h"

// What the player can see of the board: every candidate button's Visible,
// Enabled and BackColor and every cell label's caption. Hidden buttons keep
// their other two properties, which show again when the button does, so they
// are part of the state too.
namespace support {

struct ButtonState {
    bool visible = true;
    bool enabled = true;
    ui::SysColor backColor = ui::SysColor::ButtonFace;
    bool operator==(const ButtonState&) const = default;
    bool clickable() const { return visible && enabled; }
};

struct CellState {
    std::array<ButtonState, 9> btnBlock{};
    std::string caption;
    bool operator==(const CellState&) const = default;
};

struct BoardState {
    std::array<CellState, cellCount> cells{}; // by ordinalOf(BoxCell)

    CellState& at(BoxCell place) { return cells.at(ordinalOf(place)); }
    const CellState& at(BoxCell place) const { return cells.at(ordinalOf(place)); }
    CellState& at(RowColumn pos) { return at(ui::boxCellOf(pos)); }
    const CellState& at(RowColumn pos) const { return at(ui::boxCellOf(pos)); }
    bool operator==(const BoardState&) const = default;
};

std::string colorName(ui::SysColor color);

// The board as a player sees it: a hidden button's Enabled, which a repaint writes
// before it shows it again, left out. A pick that undo makes again hides the
// barred candidates as they are then, not as they were at the first pick.
BoardState asSeen(BoardState state);

// One line per differing property, "grid 3 / cell 4 / btnBlock 2: Visible expected
// true, is false", at most `limit` of them; empty when the two states are equal.
std::string describeDifferences(const BoardState& expected, const BoardState& actual, std::size_t limit = 12);

} // namespace support
