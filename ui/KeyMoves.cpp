#include "ui/KeyMoves.h"

#include <algorithm>

#include "ui/BoardPlace.h"
#include "ui/TabOrder.h"

namespace ui {
namespace {

constexpr auto cellOrder = designs::cellsInTabOrder();
constexpr auto candidateOrder = designs::inTabOrder(designs::btnBlock);
// Every free candidate of the board is one tab stop: 729 at most.
constexpr int stops = static_cast<int>(cellOrder.size() * candidateOrder.size());

BoardFocus stopAt(int stop)
{
    const auto perCell = static_cast<int>(candidateOrder.size());
    return {cellOrder.at(static_cast<std::size_t>(stop / perCell)),
            candidateOrder.at(static_cast<std::size_t>(stop % perCell))};
}

// The tab stop a focus stands at; a cell itself stands just before its first.
int stopOf(BoardFocus focus)
{
    const auto cell = static_cast<int>(std::find(cellOrder.begin(), cellOrder.end(), focus.cell) - cellOrder.begin());
    const auto candidate = static_cast<int>(std::find(candidateOrder.begin(), candidateOrder.end(), focus.candidate) -
                                            candidateOrder.begin());
    const auto perCell = static_cast<int>(candidateOrder.size());
    return cell * perCell + (focus.candidate == BoardFocus::itself ? 0 : candidate);
}

// The first free candidate from stop `from` on (or back), or -1.
int freeStop(const ShownBoard& board, int from, int step)
{
    for (int stop = from; stop >= 0 && stop < stops; stop += step) {
        const BoardFocus at = stopAt(stop);
        if (board.free(at.cell, at.candidate))
            return stop;
    }
    return -1;
}

// From a cell itself, which has no free candidate, as from its first stop.
KeyAnswer tab(const ShownBoard& board, BoardFocus from, int step)
{
    const int to = freeStop(board, stopOf(from) + step, step);
    if (to == -1)
        return {false, from, BoardFocus::itself, step};
    return {true, stopAt(to)};
}

// The cell `columns` across and `rows` down, kept on the board or in its box.
std::int16_t neighbour(std::int16_t cell, int rows, int columns, int withinBox)
{
    const auto [row, column] = rowColumnAt(cell);
    int top = 0, left = 0, size = 9;
    if (withinBox >= 0) {
        top = withinBox / 3 * 3;
        left = withinBox % 3 * 3;
        size = 3;
    }
    const int toRow = std::clamp(row + rows, top, top + size - 1);
    const int toColumn = std::clamp(column + columns, left, left + size - 1);
    return rowMajor({toRow, toColumn});
}

KeyAnswer moveTo(const ShownBoard& board, BoardFocus from, std::int16_t cell)
{
    return {true, cell == from.cell ? from : landIn(board, cell, from.candidate)};
}

// A key presses a candidate only where a click could: one that is free. A
// frozen pick is hidden, so Delete leaves it be.
KeyAnswer press(const ShownBoard& board, BoardFocus from, std::int16_t candidate)
{
    if (candidate == BoardFocus::itself || !board.free(from.cell, candidate))
        return {true, from};
    return {true, {from.cell, candidate}, candidate};
}

KeyAnswer answerOnce(const ShownBoard& board, BoardFocus from, Key key, int withinBox)
{
    switch (key) {
    case Key::Next: return tab(board, from, 1);
    case Key::Previous: return tab(board, from, -1);
    case Key::Left: return moveTo(board, from, neighbour(from.cell, 0, -1, withinBox));
    case Key::Right: return moveTo(board, from, neighbour(from.cell, 0, 1, withinBox));
    case Key::Up: return moveTo(board, from, neighbour(from.cell, -1, 0, withinBox));
    case Key::Down: return moveTo(board, from, neighbour(from.cell, 1, 0, withinBox));
    case Key::RowStart: return moveTo(board, from, neighbour(from.cell, 0, -8, withinBox));
    case Key::RowEnd: return moveTo(board, from, neighbour(from.cell, 0, 8, withinBox));
    case Key::BoardStart: return {true, firstStop(board, from)};
    case Key::BoardEnd: return {true, lastStop(board, from)};
    case Key::TakeBack: return press(board, from, board.pick(from.cell));
    case Key::Space:
    case Key::Escape: return {false, from};
    default: break;
    }
    return press(board, from, static_cast<std::int16_t>(candidateOf(key)));
}

} // namespace

BoardFocus landIn(const ShownBoard& board, std::int16_t cell, std::int16_t digit)
{
    if (digit != BoardFocus::itself && board.free(cell, digit))
        return {cell, digit};
    for (const std::int16_t i : candidateOrder)
        if (board.free(cell, i))
            return {cell, i};
    return {cell, BoardFocus::itself};
}

BoardFocus firstStop(const ShownBoard& board, BoardFocus otherwise)
{
    const int stop = freeStop(board, 0, 1);
    return stop == -1 ? otherwise : stopAt(stop);
}

BoardFocus lastStop(const ShownBoard& board, BoardFocus otherwise)
{
    const int stop = freeStop(board, stops - 1, -1);
    return stop == -1 ? otherwise : stopAt(stop);
}

// A held digit or Delete would click again at every repeat, taking back the pick
// it has just made: it presses once, and its repeats leave the focus where it is.
KeyAnswer answerKey(const ShownBoard& board, BoardFocus from, Key key, int withinBox, bool repeat)
{
    const KeyAnswer answer = answerOnce(board, from, key, withinBox);
    if (repeat && answer.click != BoardFocus::itself)
        return {true, from};
    return answer;
}

BoardFocus landAfterUndo(const ShownBoard& board, BoardFocus from, std::optional<std::int16_t> touched)
{
    return landIn(board, touched.value_or(from.cell), from.candidate);
}

} // namespace ui
