#include "app/PuzzleProblem.h"

#include <utility>

namespace {

// Every sentence the reader says, with its arguments. A count takes the
// singular where English does; a language with other plural forms chooses its
// own from the same number.
const char* templateOf(PuzzleProblem::Sentence sentence, bool singular)
{
    using Sentence = PuzzleProblem::Sentence;
    switch (sentence) {
    case Sentence::NoText: return "The clipboard holds no text";
    case Sentence::TooLong: return "The clipboard holds more than %1 KiB of text, too much for a puzzle";
    case Sentence::NoCells: return "The clipboard's text holds no puzzle: no digit, '.' or '0'";
    case Sentence::CellCount:
        return singular ? "The puzzle has %1 cell; it needs exactly 81"
                        : "The puzzle has %1 cells; it needs exactly 81";
    case Sentence::NotACell: return "Line %1, character %2: '%3' is not a digit, '.' or '0'";
    case Sentence::RowRepeat: return "Row %1 holds two %2s (columns %3 and %4)";
    case Sentence::ColumnRepeat: return "Column %1 holds two %2s (rows %3 and %4)";
    case Sentence::BoxRepeat:
        return "The box of rows %1 to %2, columns %3 to %4 holds two %5s (row %6, column %7 and row %8, column %9)";
    }
    return "";
}

// A template with "%1" to "%9" replaced by their arguments, in whatever order
// the template names them.
std::string fill(const char* text, const std::vector<std::string>& arguments)
{
    std::string out;
    for (const char* at = text; *at != '\0'; ++at) {
        const std::size_t n = at[0] == '%' && at[1] >= '1' && at[1] <= '9' ? static_cast<std::size_t>(at[1] - '1') : 9;
        if (n < arguments.size()) {
            out += arguments.at(n);
            ++at;
        } else {
            out += *at;
        }
    }
    return out;
}

std::string number(long n) { return std::to_string(n); }

} // namespace

PuzzleProblem::PuzzleProblem(Sentence sentence, std::vector<std::string> arguments)
    : sentence_(sentence),
      arguments_(std::move(arguments))
{
}

PuzzleProblem PuzzleProblem::noText() { return {Sentence::NoText, {}}; }
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

std::string PuzzleProblem::text() const
{
    const bool singular = sentence_ == Sentence::CellCount && arguments_.at(0) == "1";
    return fill(templateOf(sentence_, singular), arguments_);
}
