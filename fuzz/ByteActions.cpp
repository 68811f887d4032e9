#include "fuzz/ByteActions.h"

#include <array>

namespace fuzz {

using support::PlayerAction;
using ui::RowColumn;

namespace {

RowColumn posOfOrdinal(int ordinal) { return {ordinal / support::boardSize, ordinal % support::boardSize}; }

bool shownFrozen(const support::FakeBoardWindow& window, RowColumn pos)
{
    return !window.cell(ui::boxCellOf(pos)).label().caption().empty();
}

} // namespace

std::optional<std::uint8_t> ByteActions::take()
{
    if (read_ >= size_)
        return std::nullopt;
    return data_[read_++];
}

std::optional<PlayerAction> ByteActions::next(const support::FakeBoardWindow& window)
{
    while (const std::optional<std::uint8_t> op = take()) {
        std::optional<PlayerAction> action;
        if (*op < 162)
            action = clickIn(window, *op % support::cellCount);
        else if (*op < 190)
            action = PlayerAction::fix();
        else if (*op < 218)
            action = PlayerAction::unFix();
        else if (*op < 246)
            action = pokeFrozen(window, *op % 9);
        else
            action = PlayerAction::reset();
        if (action)
            return action;
    }
    return std::nullopt;
}

std::optional<PlayerAction> ByteActions::clickIn(const support::FakeBoardWindow& window, int ordinal)
{
    const std::optional<std::uint8_t> choice = take();
    if (!choice)
        return std::nullopt;
    const RowColumn pos = posOfOrdinal(ordinal);
    const support::FakeCell& cell = window.cell(ui::boxCellOf(pos));
    std::array<int, 9> clickable{};
    int count = 0;
    for (std::int16_t i = 0; i < 9; ++i)
        if (cell.button(i).clickable())
            clickable.at(count++) = i;
    if (count == 0)
        return std::nullopt;
    return PlayerAction::click(pos, clickable.at(*choice % count));
}

std::optional<PlayerAction> ByteActions::pokeFrozen(const support::FakeBoardWindow& window, int candidate)
{
    const std::optional<std::uint8_t> choice = take();
    if (!choice)
        return std::nullopt;
    std::array<int, support::cellCount> frozen{};
    int count = 0;
    for (int n = 0; n < support::cellCount; ++n)
        if (shownFrozen(window, posOfOrdinal(n)))
            frozen.at(count++) = n;
    if (count == 0)
        return std::nullopt;
    return PlayerAction::click(posOfOrdinal(frozen.at(*choice % count)), candidate);
}

} // namespace fuzz
