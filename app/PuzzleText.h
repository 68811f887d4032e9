#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "app/Puzzle.h"
#include "app/PuzzleProblem.h"

class Orvane_Main;

// Puzzles as text, the way they travel between programs and players: in from
// the clipboard, out to it. A front-end moves the text to and from the
// platform's clipboard and does nothing else with it; the reader never touches
// the board.
//
// The reader takes 81 cells row by row: "1" to "9" a given, "." or "0" an empty
// cell. Around them it passes over spaces and tabs, line ends of any system,
// "|" and "+" between boxes, rule lines made only of "-", "=", "+", "|" and
// spaces, and lines that start with "#". Anything else, a count other than 81,
// or a given repeated in a row, column or box, is a problem, and it says where.
inline constexpr std::size_t maxPuzzleTextBytes = 64 * 1024;

// UTF-8 text, as the front-ends hand it over; a front-end reads no more than
// maxPuzzleTextBytes + 1 bytes of the clipboard, enough to tell it is too long.
std::variant<Puzzle, PuzzleProblem> readPuzzle(std::string_view text);

// The board's picks as a puzzle: each cell's pick, fixed or not, as its given.
Puzzle puzzleOf(const Orvane_Main& board);

// The copy: one line of 81 characters, "1" to "9" a given, "." an empty cell,
// and "\n". A front-end whose platform ends lines otherwise converts it.
std::string puzzleText(const Puzzle& puzzle);
