#pragma once
#include <string>

#include "support/BoardPlaces.h"

namespace support {

// One thing the player does: click a candidate button, or press "Fix",
// "Un-Fix" or "Reset". The same action drives the board and the reference model.
struct PlayerAction {
    enum class Kind { Click, Fix, UnFix, Reset };
    Kind kind = Kind::Click;
    BoardPos pos{};    // for a click
    int candidate = 0; // for a click: 0 to 8, the digit candidate + 1

    static PlayerAction click(BoardPos pos, int candidate) { return {Kind::Click, pos, candidate}; }
    static PlayerAction fix() { return {Kind::Fix, {}, 0}; }
    static PlayerAction unFix() { return {Kind::UnFix, {}, 0}; }
    static PlayerAction reset() { return {Kind::Reset, {}, 0}; }

    // "click \"5\" at row 2, col 7", "\"Fix\"", ...
    std::string text() const;
};

} // namespace support
