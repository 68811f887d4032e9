#pragma once
#include <QString>
#include <cstdint>

namespace ui::qt {

// Where a cell lies on the board as a player counts it: rows from the top and
// columns from the left, 1 to 9. Assistive technology reads the candidate buttons
// by it, since all 81 cells caption theirs "1" to "9".
struct BoardPlace {
    int row = 1;
    int column = 1;
};

// The place of cell `cell` of box `box`, both counted row by row in their 3 x 3.
BoardPlace boardPlace(std::int16_t box, std::int16_t cell);

// The accessible name of candidate button `index` of the cell at `place`,
// e.g. "Row 4, column 7, candidate 5".
QString candidateName(BoardPlace place, std::int16_t index);

// The accessible name of the label of the cell at `place` while it shows `digit`,
// e.g. "Row 4, column 7, digit 5".
QString digitName(BoardPlace place, const QString& digit);

} // namespace ui::qt
