#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "app/PuzzleText.h"

namespace {

// A newspaper's puzzle, row by row, as its one-line form.
const std::string dots = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

std::string rows(const std::string& line, const std::string& lineEnd)
{
    std::string text;
    for (std::size_t row = 0; row < 9; ++row)
        text += line.substr(row * 9, 9) + lineEnd;
    return text;
}

std::string zeros()
{
    std::string text = dots;
    for (char& c : text)
        c = c == '.' ? '0' : c;
    return text;
}

// An empty board but for digit `digit` at two places, row and column from 1.
std::string twice(char digit, int row1, int column1, int row2, int column2)
{
    std::string text(81, '.');
    text.at(static_cast<std::size_t>((row1 - 1) * 9 + column1 - 1)) = digit;
    text.at(static_cast<std::size_t>((row2 - 1) * 9 + column2 - 1)) = digit;
    return text;
}

struct Layout {
    const char* name;
    std::string text;
    // A puzzle read: its copy, one line; else the player's message.
    std::string outcome;
};

std::string outcomeOf(const std::string& text)
{
    const auto read = readPuzzle(text);
    if (const Puzzle* puzzle = std::get_if<Puzzle>(&read))
        return puzzleText(*puzzle);
    return std::get<PuzzleProblem>(read).text();
}

class ReadingAPuzzle : public ::testing::TestWithParam<Layout> {};

TEST_P(ReadingAPuzzle, GivesThePuzzleOrSaysWhatIsWrongAndWhere)
{
    EXPECT_EQ(outcomeOf(GetParam().text), GetParam().outcome);
}

const std::string grid = "+-------+-------+-------+\n"
                         "| 5 3 . | . 7 . | . . . |\n"
                         "| 6 . . | 1 9 5 | . . . |\n"
                         "| . 9 8 | . . . | . 6 . |\n"
                         "+=======+=======+=======+\n"
                         "| 8 . . | . 6 . | . . 3 |\n"
                         "| 4 . . | 8 . 3 | . . 1 |\n"
                         "| 7 . . | . 2 . | . . 6 |\n"
                         "|-------+-------+-------|\n"
                         "| . 6 . | . . . | 2 8 . |\n"
                         "| . . . | 4 1 9 | . . 5 |\n"
                         "| . . . | . 8 . | . 7 9 |\n"
                         "+-------+-------+-------+\n";

INSTANTIATE_TEST_SUITE_P(
    Layouts, ReadingAPuzzle,
    ::testing::Values(
        Layout{"one_line_with_dots", dots, dots + "\n"}, Layout{"one_line_with_zeros", zeros() + "\n", dots + "\n"},
        Layout{"nine_lines", rows(dots, "\n"), dots + "\n"}, Layout{"grid_with_box_rules", grid, dots + "\n"},
        Layout{"comment_lines", "# Sunday paper, easy\n  #from the archive\n" + rows(zeros(), "\n"), dots + "\n"},
        Layout{"windows_line_ends", rows(dots, "\r\n"), dots + "\n"},
        Layout{"old_mac_line_ends", rows(dots, "\r"), dots + "\n"},
        Layout{"rule_line_with_a_comment", rows(dots, "\n").insert(30, "------+------ # band 2\n"), dots + "\n"},
        Layout{"cells_80", dots.substr(0, 80), "The puzzle needs exactly 81 cells, not 80"},
        Layout{"cells_82", rows(dots, "\n") + ".", "The puzzle needs exactly 81 cells, not 82"},
        Layout{"a_letter", rows(dots.substr(0, 13) + "a" + dots.substr(14), "\n"),
               "Line 2, character 5: 'a' is not a digit, '.' or '0'"},
        Layout{"a_letter_after_windows_line_ends", rows(dots.substr(0, 22) + "a" + dots.substr(23), "\r\n"),
               "Line 3, character 5: 'a' is not a digit, '.' or '0'"},
        // From a web page: no-break spaces between cells, counted as one character each.
        Layout{"web_page_middle_dot", "5\u00a03\u00a0\u00b7\u00a0\u00b7",
               "Line 1, character 5: '\u00b7' is not a digit, '.' or '0'"},
        Layout{"no_text", "", "The clipboard holds no text"},
        Layout{"a_mebibyte", std::string(1 << 20, '.'),
               "The clipboard holds more than 64 KiB of text, too much for a puzzle"},
        Layout{"row_repeat", twice('7', 3, 2, 3, 8), "Row 3 holds two 7s (columns 2 and 8)"},
        Layout{"column_repeat", twice('2', 1, 4, 9, 4), "Column 4 holds two 2s (rows 1 and 9)"},
        Layout{"box_repeat", twice('5', 4, 7, 6, 9),
               "The box of rows 4 to 6, columns 7 to 9 holds two 5s (row 4, column 7 and row 6, column 9)"}),
    [](const ::testing::TestParamInfo<Layout>& info) { return std::string(info.param.name); });

} // namespace
