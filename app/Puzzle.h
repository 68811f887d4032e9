#pragma once
#include <array>
#include <cstdint>
#include <optional>

#include "ui/BoardPlace.h"

// A puzzle as a player brings it to the board: its 81 cells row by row, each a
// given digit 1 to 9, or 0 for an empty cell. The reader (PuzzleText.h) makes one
// only when no given repeats in a row, column or box, since the board could not
// hold it: the second would be barred.
struct Puzzle {
    std::array<std::int8_t, 81> digits{}; // by ui::rowMajor

    std::int8_t given(ui::RowColumn place) const { return digits.at(static_cast<std::size_t>(ui::rowMajor(place))); }
    bool operator==(const Puzzle&) const = default;
};

// Two cells that hold the same given and share a row, a column or a box.
struct RepeatedGiven {
    enum class Within : std::uint8_t { Row, Column, Box };
    Within within = Within::Row;
    std::int8_t digit = 0;
    ui::RowColumn first;
    ui::RowColumn second;
};

// The first repeat, rows before columns before boxes, each in reading order; none
// in a puzzle the board can hold.
std::optional<RepeatedGiven> firstRepeat(const Puzzle& puzzle);
