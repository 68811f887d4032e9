#include "support/FakeCell.h"

#include "ui/Designs.h"

namespace support {

namespace {

ControlAddress addressOf(std::int16_t grid, std::int16_t cell, ControlAddress::Role role, std::int16_t index)
{
    ControlAddress where;
    where.grid = grid;
    where.cell = cell;
    where.role = role;
    where.index = index;
    return where;
}

} // namespace

FakeCell::FakeCell(WriteLog& log, std::int16_t grid, std::int16_t cell, ui::CellControls* mirror)
    : label_(log, addressOf(grid, cell, ControlAddress::Role::Label, -1), ui::designs::lbl.caption,
             mirror ? &mirror->lbl() : nullptr)
{
    for (std::int16_t i = 0; i < 9; ++i)
        buttons_.at(i) =
            std::make_unique<FakeButton>(log, addressOf(grid, cell, ControlAddress::Role::CandidateButton, i),
                                         ui::designs::btnBlock.at(i).face, mirror ? &mirror->btnBlock(i) : nullptr);
}

CellState FakeCell::visibleState() const
{
    CellState state;
    for (std::int16_t i = 0; i < 9; ++i)
        state.btnBlock.at(i) = button(i).state();
    state.caption = label_.caption();
    return state;
}

} // namespace support
