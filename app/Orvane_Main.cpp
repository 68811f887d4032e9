#include "app/Orvane_Main.h"

#include <utility>

Orvane_Main::Orvane_Main(std::unique_ptr<ui::BoardWindow> window)
    : window_(std::move(window)),
      usrcntGrid([this](std::int16_t b) { return std::make_unique<usrcntSquare>(window_->usrcntGrid(b)); })
{
    usrcntGrid.connectEach(&usrcntSquare::Chosen,
                           [this](std::int16_t b, std::int16_t squareIndex, std::int16_t btnIndex, bool setIt) {
                               usrcntGrid_Chosen(b, squareIndex, btnIndex, setIt);
                           });
    window_->cmdFix().Click.connect([this] { cmdFix_Click(); });
    window_->cmdUnFix().Click.connect([this] { cmdUnFix_Click(); });
    window_->cmdReset().Click.connect([this] { cmdReset_Click(); });
}

void Orvane_Main::show() { window_->show(); }

void Orvane_Main::cmdFix_Click()
{
    for (std::int16_t i = 0; i <= 8; ++i)
        usrcntGrid(i).fixIt(true);
}

void Orvane_Main::cmdUnFix_Click()
{
    for (std::int16_t i = 0; i <= 8; ++i)
        usrcntGrid(i).fixIt(false);
}

void Orvane_Main::cmdReset_Click()
{
    for (std::int16_t i = 0; i <= 8; ++i)
        usrcntGrid(i).Clear();
}

void Orvane_Main::usrcntGrid_Chosen(std::int16_t Index, std::int16_t squareIndex, std::int16_t btnIndex, bool setIt)
{
    // A cell index outside 0 to 8 (which no box raises) leaves row and col at 0.
    std::int16_t row = 0;
    std::int16_t col = 0;
    if (squareIndex >= 0 && squareIndex <= 8) {
        row = squareIndex / 3;
        col = squareIndex % 3;
    }

    if (Index < 0 || Index > 8)
        return;
    const std::int16_t band = Index / 3;
    const std::int16_t stack = Index % 3;
    for (std::int16_t b = 3 * band; b < 3 * band + 3; ++b)
        if (b != Index)
            usrcntGrid(b).SetRow(row, btnIndex, setIt);
    for (std::int16_t b = stack; b <= 8; b += 3)
        if (b != Index)
            usrcntGrid(b).SetCol(col, btnIndex, setIt);
}
