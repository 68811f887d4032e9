#include "box/usrcntSquare.h"

#include <memory>

usrcntSquare::usrcntSquare(ui::BoxControls& controls)
    : usrcntSquare_([&controls](std::int16_t k) { return std::make_unique<usrcntBlock>(controls.usrcntSquare(k)); })
{
    usrcntSquare_.connectEach(&usrcntBlock::Chosen, [this](std::int16_t k, std::int16_t btnIndex, bool setIt) {
        usrcntSquare_Chosen(k, btnIndex, setIt);
    });
}

void usrcntSquare::Clear()
{
    for (std::int16_t k = 0; k <= 8; ++k)
        usrcntSquare_(k).Clear();
}

void usrcntSquare::fixIt(bool fixIt)
{
    for (std::int16_t k = 0; k <= 8; ++k)
        usrcntSquare_(k).fixIt(fixIt);
}

void usrcntSquare::SetCol(std::int16_t col, std::int16_t btnIndex, bool setIt)
{
    if (col < 0 || col > 2)
        return;
    for (std::int16_t k = col; k <= 8; k += 3)
        usrcntSquare_(k).setIt(btnIndex, setIt);
}

void usrcntSquare::SetRow(std::int16_t row, std::int16_t btnIndex, bool setIt)
{
    if (row < 0 || row > 2)
        return;
    for (std::int16_t k = 3 * row; k < 3 * row + 3; ++k)
        usrcntSquare_(k).setIt(btnIndex, setIt);
}

void usrcntSquare::usrcntSquare_Chosen(std::int16_t index, std::int16_t btnIndex, bool setIt)
{
    for (std::int16_t j = 0; j <= 8; ++j)
        if (j != index)
            usrcntSquare_(j).setIt(btnIndex, setIt);
    Chosen.raise(index, btnIndex, setIt);
}
