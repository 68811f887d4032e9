#include "support/TestBoard.h"

#include <utility>

namespace support {

TestBoard::TestBoard() : TestBoard(std::make_unique<FakeBoardWindow>(std::make_shared<WriteLog>())) {}

TestBoard::TestBoard(std::unique_ptr<FakeBoardWindow> window) : window_(*window), board_(std::move(window)) {}

void TestBoard::click(BoxCell place, int candidate)
{
    window_.cell(place).button(static_cast<std::int16_t>(candidate)).click();
}

bool TestBoard::clickByHand(BoxCell place, int candidate, int hand)
{
    FakeCell& fake = window_.cell(place);
    ui::DrawnCell& cell = fake.drawn();
    const auto index = static_cast<std::int16_t>(candidate);
    ui::DrawnCell::Reply reply;
    if (hand == 2) {
        if (cell.activate(index).clicked != ui::DrawnCell::none)
            return false;
        reply = cell.activated();
    } else {
        if (!cell.press(index, hand == 0).handled)
            return false;
        if (focused_ != &fake) {
            if (focused_)
                focused_->drawn().focusOut();
            focused_ = &fake;
            cell.focusIn(ui::DrawnCell::Entry::Other);
        }
        if (hand == 0) {
            cell.drag(ui::DrawnCell::none);
            if (cell.release(index).clicked != ui::DrawnCell::none)
                return false;  // let go off the candidate, so no click
            cell.press(index, true);
            cell.drag(index);
            reply = cell.release(index);
        } else {
            cell.spaceDown(false);
            cell.spaceDown(true);
            reply = cell.spaceUp(false);
        }
    }
    if (reply.clicked != index)
        return false;
    fake.button(index).click();
    return true;
}

bool TestBoard::drawnCellsShowWhatTheyHold()
{
    for (int n = 0; n < cellCount; ++n) {
        ui::DrawnCell& cell = window_.cell(boxCellOfOrdinal(n)).drawn();
        if (!window_.cell(boxCellOfOrdinal(n)).paintedAsHeld() || (cell.hasFocus() && !cell.takesFocus(cell.focus())))
            return false;
    }
    return true;
}

void TestBoard::perform(const PlayerAction& action)
{
    switch (action.kind) {
    case PlayerAction::Kind::Click: click(action.pos, action.candidate); break;
    case PlayerAction::Kind::Fix: pressFix(); break;
    case PlayerAction::Kind::UnFix: pressUnFix(); break;
    case PlayerAction::Kind::Reset: pressReset(); break;
    }
}

} // namespace support
