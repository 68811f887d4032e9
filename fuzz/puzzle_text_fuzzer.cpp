// libFuzzer's entry for the puzzle reader. Any bytes, as a clipboard may hold
// them, must come to a puzzle the board can hold or to a message for the player:
// 81 cells whose givens, checked here by coordinates, never repeat in a row,
// column or box, and whose copy reads back as the same puzzle; or a sentence
// with every argument in place. Anything else aborts, which libFuzzer keeps as
// a crash input; the sanitizers catch what goes wrong inside.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "app/PuzzleText.h"
#include "support/BoardPlaces.h"

namespace {

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "puzzle text fuzzer: %s\n", what.c_str());
    std::abort();
}

void checkPuzzle(const Puzzle& puzzle)
{
    for (const ui::RowColumn a : support::everyRowColumn) {
        if (puzzle.given(a) < 0 || puzzle.given(a) > 9)
            fail("a cell holds " + std::to_string(puzzle.given(a)));
        for (const ui::RowColumn b : support::everyRowColumn)
            if (puzzle.given(a) != 0 && puzzle.given(a) == puzzle.given(b) && support::arePeers(a, b))
                fail("two peers hold " + std::to_string(puzzle.given(a)) + ": " + puzzleText(puzzle));
    }
    const auto again = readPuzzle(puzzleText(puzzle));
    if (!std::holds_alternative<Puzzle>(again) || std::get<Puzzle>(again) != puzzle)
        fail("the copy of " + puzzleText(puzzle) + " reads back otherwise");
}

void checkMessage(const PuzzleProblem& problem)
{
    const std::string text = problem.text();
    if (text.empty())
        fail("an empty message");
    for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1))
        if (at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9')
            fail("a message with an argument left out: " + text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto read = readPuzzle(std::string_view(reinterpret_cast<const char*>(data), size));
    if (const Puzzle* puzzle = std::get_if<Puzzle>(&read))
        checkPuzzle(*puzzle);
    else
        checkMessage(std::get<PuzzleProblem>(read));
    return 0;
}
