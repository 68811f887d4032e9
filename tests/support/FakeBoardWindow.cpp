#include "support/FakeBoardWindow.h"

#include <string>
#include <utility>

namespace support {

namespace {

ControlAddress commandButton(std::string name)
{
    ControlAddress where;
    where.role = ControlAddress::Role::CommandButton;
    where.name = std::move(name);
    return where;
}

} // namespace

FakeBoardWindow::FakeBoardWindow(std::shared_ptr<WriteLog> log)
    : log_(std::move(log)),
      picture_([this](BoardPicture::Part part) {
          const BoxCell place = ui::boxCellOf(ui::rowColumnAt(part.cell));
          boardClicks ? boardClicks(place, part.part) : cell(place).button(part.part).click();
      }),
      cmdFix_(*log_, commandButton("cmdFix"), ui::SysColor::ButtonFace),
      cmdUnFix_(*log_, commandButton("cmdUnFix"), ui::SysColor::ButtonFace),
      cmdReset_(*log_, commandButton("cmdReset"), ui::SysColor::ButtonFace)
{
    for (std::int16_t b = 0; b < 9; ++b)
        boxes_.at(b) = std::make_unique<FakeBox>(*log_, b, &picture_.board().box(b));
}

void FakeBoardWindow::show()
{
    ++timesShown_;
    LogEntry entry;
    entry.what = LogEntry::What::Show;
    log_->record(std::move(entry));
}

BoardState FakeBoardWindow::visibleState() const
{
    BoardState state;
    for (int n = 0; n < cellCount; ++n)
        state.cells.at(n) = cell(boxCellOfOrdinal(n)).visibleState();
    return state;
}

} // namespace support
