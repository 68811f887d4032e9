#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/BoardPlace.h"
#include "ui/Text.h"

// The names assistive technology reads for the board's places, in the player's
// language, counted as the player counts them.
namespace ui {

// "Row 4, column 7": the cell at `place`, in the player's language.
inline std::string cellName(RowColumn place)
{
    // Translators: what a screen reader says of a cell of the board: %1$d its row, %2$d its column, 1 to 9.
    return formatted(_("Row %1$d, column %2$d"), {std::to_string(place.row + 1), std::to_string(place.column + 1)});
}

// "Row 4, column 7, candidate 5": candidate button `index` of the cell at `place`.
inline std::string candidateName(RowColumn place, std::int16_t index)
{
    return formatted(_("Row %1$d, column %2$d, candidate %3$d"),
                     {std::to_string(place.row + 1), std::to_string(place.column + 1), std::to_string(index + 1)});
}

// "Row 4, column 7, digit 5": the label of the cell at `place` while it shows `digit`.
inline std::string digitName(RowColumn place, std::string_view digit)
{
    return formatted(_("Row %1$d, column %2$d, digit %3$s"),
                     {std::to_string(place.row + 1), std::to_string(place.column + 1), digit});
}

} // namespace ui
