// libFuzzer's entry. Every input is one game on a fresh board: the real core over
// the recording fake, with the reference model playing the same moves beside it.
// After every move the whole visible board must equal the model's prediction and
// keep the rules in BoardInvariants.h; any difference, broken rule or exception
// out of the core aborts, which libFuzzer keeps as a crash input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>

#include "fuzz/BoardInvariants.h"
#include "fuzz/ByteActions.h"
#include "support/ReferenceModel.h"
#include "support/TestBoard.h"
#include "support/VisibleState.h"

using support::PlayerAction;

namespace {

[[noreturn]] void fail(const support::RecentMoves& moves, const std::string& what)
{
    const std::string text = "board fuzzer: after move " + std::to_string(moves.count()) + ", " + what + moves.text();
    std::fputs(text.c_str(), stderr);
    std::abort();
}

void check(support::TestBoard& board, const support::ReferenceModel& model, const support::RecentMoves& moves)
{
    const support::BoardState expected = model.visibleState();
    const support::BoardState actual = board.visibleState();
    if (expected != actual)
        fail(moves, "the board differs from the reference model:\n" + support::describeDifferences(expected, actual));
    const std::string broken = fuzz::brokenInvariants(actual, model);
    if (!broken.empty())
        fail(moves, "the board breaks its rules:\n" + broken);
    const std::string counters = fuzz::wrongCounters(board.board(), model);
    if (!counters.empty())
        fail(moves, "the counters are wrong:\n" + counters);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    support::TestBoard board;
    board.log().setRecording(false);
    support::ReferenceModel model;
    fuzz::ByteActions bytes(data, size);
    support::RecentMoves moves(16);

    check(board, model, moves);
    while (const std::optional<PlayerAction> move = bytes.next(board.window())) {
        moves.add(*move);
        try {
            board.perform(*move);
            model.perform(*move);
        } catch (const std::exception& e) {
            fail(moves, std::string("the move threw: ") + e.what() + '\n');
        }
        check(board, model, moves);
    }
    return 0;
}
