#include "app/PuzzleProblem.h"

#include <utility>

#include "ui/Text.h"

namespace {

// Every sentence the reader says, with its arguments, each in the catalogue.
const char* templateOf(PuzzleProblem::Sentence sentence)
{
    using Sentence = PuzzleProblem::Sentence;
    switch (sentence) {
    case Sentence::NoText: return ui::N_("The clipboard holds no text");
    case Sentence::ClipboardBusy: return ui::N_("The clipboard is in use by another program; try again");
    case Sentence::TooLong: return ui::N_("The clipboard holds more than %1$s KiB of text, too much for a puzzle");
    case Sentence::NoCells: return ui::N_("The clipboard's text holds no puzzle: no digit, '.' or '0'");
    case Sentence::CellCount: return ui::N_("The puzzle needs exactly 81 cells, not %1$s");
    // Translators: a line and a character of the pasted text, counted from 1, and the character found there.
    case Sentence::NotACell: return ui::N_("Line %1$s, character %2$s: '%3$s' is not a digit, '.' or '0'");
    // Translators: a row, the digit given twice in it, and the two columns that hold it.
    case Sentence::RowRepeat: return ui::N_("Row %1$s holds two %2$ss (columns %3$s and %4$s)");
    case Sentence::ColumnRepeat: return ui::N_("Column %1$s holds two %2$ss (rows %3$s and %4$s)");
    // Translators: the box by its first and last row and column, the digit, and the two cells that hold it.
    case Sentence::BoxRepeat:
        return ui::N_("The box of rows %1$s to %2$s, columns %3$s to %4$s holds two %5$ss (row %6$s, column %7$s and "
                      "row %8$s, column %9$s)");
    }
    return "";
}

std::string number(long n) { return std::to_string(n); }

} // namespace

PuzzleProblem::PuzzleProblem(Sentence sentence, std::vector<std::string> arguments)
    : sentence_(sentence),
      arguments_(std::move(arguments))
{
}

PuzzleProblem PuzzleProblem::noText() { return {Sentence::NoText, {}}; }
PuzzleProblem PuzzleProblem::clipboardBusy() { return {Sentence::ClipboardBusy, {}}; }
PuzzleProblem PuzzleProblem::tooLong(std::size_t kibibytes) { return {Sentence::TooLong, {std::to_string(kibibytes)}}; }
PuzzleProblem PuzzleProblem::noCells() { return {Sentence::NoCells, {}}; }
PuzzleProblem PuzzleProblem::cellCount(long cells) { return {Sentence::CellCount, {number(cells)}}; }

PuzzleProblem PuzzleProblem::notACell(long line, long character, std::string shown)
{
    return {Sentence::NotACell, {number(line), number(character), std::move(shown)}};
}

// Rows, columns and digits as the player counts them, from 1.
PuzzleProblem PuzzleProblem::repeated(const RepeatedGiven& repeat)
{
    const ui::RowColumn a = repeat.first;
    const ui::RowColumn b = repeat.second;
    const std::string digit = number(repeat.digit);
    switch (repeat.within) {
    case RepeatedGiven::Within::Row:
        return {Sentence::RowRepeat, {number(a.row + 1), digit, number(a.column + 1), number(b.column + 1)}};
    case RepeatedGiven::Within::Column:
        return {Sentence::ColumnRepeat, {number(a.column + 1), digit, number(a.row + 1), number(b.row + 1)}};
    case RepeatedGiven::Within::Box: break;
    }
    const int top = a.row / 3 * 3 + 1;
    const int left = a.column / 3 * 3 + 1;
    return {Sentence::BoxRepeat,
            {number(top), number(top + 2), number(left), number(left + 2), digit, number(a.row + 1),
             number(a.column + 1), number(b.row + 1), number(b.column + 1)}};
}

std::string PuzzleProblem::text() const { return ui::formatted(ui::_(templateOf(sentence_)), arguments_); }
