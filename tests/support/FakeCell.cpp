#include "support/FakeCell.h"

#include <algorithm>

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

FakeCell::FakeCell(WriteLog& log, std::int16_t grid, std::int16_t cell)
    : drawn_(*this, ui::rowColumnOf({std::max<std::int16_t>(grid, 0), std::max<std::int16_t>(cell, 0)})),
      paintedCaption_(drawn_.caption()),
      label_(log, addressOf(grid, cell, ControlAddress::Role::Label, -1), ui::designs::lbl.caption, &drawn_.lbl())
{
    for (std::int16_t i = 0; i < 9; ++i) {
        painted_.at(i) = drawn_.look(i);
        buttons_.at(i) = std::make_unique<FakeButton>(log, addressOf(grid, cell, ControlAddress::Role::CandidateButton, i),
                                                      ui::designs::btnBlock.at(i).face, &drawn_.btnBlock(i));
    }
}

void FakeCell::cellChanged(std::int16_t part, Change)
{
    if (part == ui::DrawnCell::labelPart)
        paintedCaption_ = drawn_.caption();
    else
        painted_.at(part) = drawn_.look(part);
}

bool FakeCell::paintedAsHeld() const
{
    for (std::int16_t i = 0; i < 9; ++i)
        if (painted_.at(i) != drawn_.look(i))
            return false;
    return paintedCaption_ == drawn_.caption();
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
