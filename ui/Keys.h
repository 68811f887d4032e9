#pragma once
#include <optional>
#include <string_view>

#include "ui/Text.h"

// The keys a player plays the board with, the same on every front-end. A
// front-end turns its own key codes into these verbs and hands them to the board;
// where the focus goes and what is clicked is decided once, in KeyMoves.h.
namespace ui {

enum class Key {
    Space,    // holds the focused candidate down; its release clicks (the desktops)
    Escape,   // lets go of a held candidate
    Next,     // Tab: the next tab stop in the designs' order
    Previous, // Shift+Tab
    Left,     // the arrows: to the neighbouring cell
    Right,
    Up,
    Down,
    RowStart, // Home and End: the first or last cell of the row
    RowEnd,
    BoardStart, // Ctrl+Home and Ctrl+End: the board's first or last tab stop
    BoardEnd,
    Digit1, // 1 to 9, the top row's or the keypad's: presses that candidate
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    TakeBack, // Delete and Backspace: takes back the cell's pick
};

constexpr Key digitKey(int digit) { return static_cast<Key>(static_cast<int>(Key::Digit1) + digit - 1); }

// The candidate index 0 to 8 a digit key presses, or -1 for any other key.
constexpr int candidateOf(Key key)
{
    const int n = static_cast<int>(key) - static_cast<int>(Key::Digit1);
    return n >= 0 && n < 9 ? n : -1;
}

// A digit key, by one rule on every front-end, which says which key came and what
// it typed: the digit typed, the keypad's or the top row's; else the top row's
// key by its place (`topRow` 1 to 9, 0 for any other key), so that a digit key
// still picks with Shift or Caps Lock held, and on a layout whose top row types
// other characters, such as the French "&" for 1.
constexpr std::optional<Key> digitKeyOf(int topRow, char32_t typed)
{
    if (typed >= U'1' && typed <= U'9')
        return digitKey(static_cast<int>(typed - U'0'));
    if (topRow >= 1 && topRow <= 9)
        return digitKey(topRow);
    return std::nullopt;
}

// The board's description for assistive technology: its keys, in one sentence.
inline constexpr std::string_view keysDescription =
    N_("Arrow keys move from cell to cell, Home and End to the row's ends, a digit presses that candidate, "
       "Delete takes back the cell's pick, Ctrl+Z undoes and Ctrl+Shift+Z or Ctrl+Y redoes, Ctrl+V pastes a puzzle "
       "and Ctrl+C copies the board.");

} // namespace ui
