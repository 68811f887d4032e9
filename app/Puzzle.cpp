#include "app/Puzzle.h"

namespace {

// The nine cells of row, column or box `unit`, each in reading order.
ui::RowColumn cellOf(RepeatedGiven::Within within, int unit, int index)
{
    switch (within) {
    case RepeatedGiven::Within::Row: return {unit, index};
    case RepeatedGiven::Within::Column: return {index, unit};
    case RepeatedGiven::Within::Box: break;
    }
    return ui::rowColumnOf({static_cast<std::int16_t>(unit), static_cast<std::int16_t>(index)});
}

} // namespace

std::optional<RepeatedGiven> firstRepeat(const Puzzle& puzzle)
{
    using Within = RepeatedGiven::Within;
    for (const Within within : {Within::Row, Within::Column, Within::Box}) {
        for (int unit = 0; unit < 9; ++unit) {
            std::array<std::optional<ui::RowColumn>, 10> seen{}; // by digit
            for (int index = 0; index < 9; ++index) {
                const ui::RowColumn place = cellOf(within, unit, index);
                const std::int8_t digit = puzzle.given(place);
                if (digit == 0)
                    continue;
                if (seen.at(static_cast<std::size_t>(digit)))
                    return RepeatedGiven{within, digit, *seen.at(static_cast<std::size_t>(digit)), place};
                seen.at(static_cast<std::size_t>(digit)) = place;
            }
        }
    }
    return std::nullopt;
}
