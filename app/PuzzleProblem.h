#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/Puzzle.h"

// Why a text is not a puzzle the board can take, or the clipboard gave none, in
// the player's words.
//
// Every message is one sentence template with its numbers and characters as
// separate arguments, "%1" to "%9", so that a language may put them in its own
// order. The templates stand in one table in PuzzleProblem.cpp and nowhere else.
class PuzzleProblem {
public:
    enum class Sentence : std::uint8_t {
        NoText,
        ClipboardBusy,
        TooLong,
        NoCells,
        CellCount,
        NotACell,
        RowRepeat,
        ColumnRepeat,
        BoxRepeat
    };

    // The clipboard held no text at all (nothing, or an image).
    static PuzzleProblem noText();
    // Another program held the clipboard open for as long as the board waited.
    static PuzzleProblem clipboardBusy();
    // More text than the reader reads, in KiB.
    static PuzzleProblem tooLong(std::size_t kibibytes);
    // Text, but not one cell in it.
    static PuzzleProblem noCells();
    // Cells, but not 81 of them.
    static PuzzleProblem cellCount(long cells);
    // `shown` stands for the character as the player may read it; line and
    // character count from 1, characters as the player sees them, not bytes.
    static PuzzleProblem notACell(long line, long character, std::string shown);
    static PuzzleProblem repeated(const RepeatedGiven& repeat);

    Sentence sentence() const { return sentence_; }
    const std::vector<std::string>& arguments() const { return arguments_; }
    // The template with its arguments in place: what the player reads.
    std::string text() const;

private:
    PuzzleProblem(Sentence sentence, std::vector<std::string> arguments);

    Sentence sentence_;
    std::vector<std::string> arguments_;
};
