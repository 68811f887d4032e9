#include "app/PuzzleText.h"

#include <algorithm>
#include <cstdio>

#include "app/Orvane_Main.h"

namespace {

constexpr char32_t noBreakSpace = 0xA0; // what a web page often puts between a puzzle's digits
constexpr char32_t replacement = 0xFFFD;
constexpr char byteOrderMarkBytes[] = {'\xEF', '\xBB', '\xBF'};
constexpr std::string_view byteOrderMark(byteOrderMarkBytes, sizeof byteOrderMarkBytes);

struct Character {
    char32_t code = 0;
    std::size_t bytes = 1;
};

// The character of UTF-8 text at byte `at`. A byte that starts no valid
// sequence is one character of its own, U+FFFD, so that no text stops the reader.
Character decodeAt(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t n) { return static_cast<unsigned char>(text[n]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return {lead, 1};
    const std::size_t length = lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    if (length == 0 || at + length > text.size())
        return {replacement, 1};
    char32_t code = lead & (0x7Fu >> length);
    for (std::size_t n = 1; n < length; ++n) {
        if ((byte(at + n) & 0xC0) != 0x80)
            return {replacement, 1};
        code = code << 6 | (byte(at + n) & 0x3Fu);
    }
    const char32_t least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {replacement, 1};
    return {code, length};
}

// The character as a message shows it: itself, or "U+200B" where it would show
// as nothing (a control, or one of the spaces and marks a web page may carry).
std::string shown(char32_t code)
{
    const bool invisible = code <= 0x20 || (code >= 0x7F && code <= 0xA0) || code == 0xAD ||
                           (code >= 0x2000 && code <= 0x200F) || (code >= 0x2028 && code <= 0x202F) ||
                           (code >= 0x205F && code <= 0x206F) || code == 0xFEFF;
    if (invisible) {
        std::array<char, 12> name{};
        std::snprintf(name.data(), name.size(), "U+%04X", static_cast<unsigned>(code));
        return name.data();
    }
    std::string utf8;
    if (code < 0x80) {
        utf8 += static_cast<char>(code);
    } else if (code < 0x800) {
        utf8 += static_cast<char>(0xC0 | code >> 6);
        utf8 += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        utf8 += static_cast<char>(0xE0 | code >> 12);
        utf8 += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        utf8 += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        utf8 += static_cast<char>(0xF0 | code >> 18);
        utf8 += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        utf8 += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        utf8 += static_cast<char>(0x80 | (code & 0x3F));
    }
    return utf8;
}

bool isBlank(char32_t code) { return code == ' ' || code == '\t' || code == noBreakSpace; }
bool isBoxSeparator(char32_t code) { return code == '|' || code == '+'; }

// A comment starts with "#"; a rule line is drawn with "-" or "=", with nothing
// else on it but box separators and blanks, and it may end in a comment.
bool holdsNoCells(std::string_view line)
{
    bool ruled = false;
    for (std::size_t at = 0; at < line.size();) {
        const Character c = decodeAt(line, at);
        at += c.bytes;
        if (c.code == '#')
            return true;
        if (c.code == '-' || c.code == '=')
            ruled = true;
        else if (!isBlank(c.code) && !isBoxSeparator(c.code))
            return false;
    }
    return ruled;
}

// Reads the cells of the text into a puzzle, counting them on past 81.
class CellReader {
public:
    // Empty when every character of the line is a cell or passed over.
    std::optional<PuzzleProblem> readLine(std::string_view line, long lineNumber)
    {
        if (holdsNoCells(line))
            return std::nullopt;
        long character = 0;
        for (std::size_t at = 0; at < line.size();) {
            const Character c = decodeAt(line, at);
            at += c.bytes;
            ++character;
            if (c.code >= '1' && c.code <= '9')
                add(static_cast<std::int8_t>(c.code - '0'));
            else if (c.code == '.' || c.code == '0')
                add(0);
            else if (!isBlank(c.code) && !isBoxSeparator(c.code))
                return PuzzleProblem::notACell(lineNumber, character, shown(c.code));
        }
        return std::nullopt;
    }

    long cells() const { return cells_; }
    const Puzzle& puzzle() const { return puzzle_; }

private:
    void add(std::int8_t digit)
    {
        if (cells_ < static_cast<long>(puzzle_.digits.size()))
            puzzle_.digits.at(static_cast<std::size_t>(cells_)) = digit;
        ++cells_;
    }

    Puzzle puzzle_;
    long cells_ = 0;
};

} // namespace

std::variant<Puzzle, PuzzleProblem> readPuzzle(std::string_view text)
{
    if (text.empty())
        return PuzzleProblem::noText();
    if (text.size() > maxPuzzleTextBytes)
        return PuzzleProblem::tooLong(maxPuzzleTextBytes / 1024);
    if (text.starts_with(byteOrderMark))
        text.remove_prefix(byteOrderMark.size());

    // Lines end in "\r\n", "\n" or "\r", whichever system wrote them.
    CellReader reader;
    long lineNumber = 0;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        if (const auto problem = reader.readLine(text.substr(start, end - start), ++lineNumber))
            return *problem;
        start = end + (text.substr(end).starts_with("\r\n") ? 2 : 1);
    }

    if (reader.cells() == 0)
        return PuzzleProblem::noCells();
    if (reader.cells() != static_cast<long>(Puzzle{}.digits.size()))
        return PuzzleProblem::cellCount(reader.cells());
    if (const auto repeat = firstRepeat(reader.puzzle()))
        return PuzzleProblem::repeated(*repeat);
    return reader.puzzle();
}

Puzzle puzzleOf(const Orvane_Main& board)
{
    Puzzle puzzle;
    for (int n = 0; n < static_cast<int>(puzzle.digits.size()); ++n) {
        const ui::BoxCell place = ui::boxCellOf(ui::rowColumnAt(n));
        puzzle.digits.at(static_cast<std::size_t>(n)) =
            static_cast<std::int8_t>(board.box(place.box).cell(place.cell).pick() + 1);
    }
    return puzzle;
}

std::string puzzleText(const Puzzle& puzzle)
{
    std::string text;
    for (const std::int8_t digit : puzzle.digits)
        text += digit == 0 ? '.' : static_cast<char>('0' + digit);
    return text + '\n';
}
