#include "support/FakeBox.h"

namespace support {

FakeBox::FakeBox(WriteLog& log, std::int16_t grid, ui::BoxControls* mirror)
{
    for (std::int16_t k = 0; k < 9; ++k)
        cells_.at(k) = std::make_unique<FakeCell>(log, grid, k, mirror ? &mirror->usrcntSquare(k) : nullptr);
}

} // namespace support
