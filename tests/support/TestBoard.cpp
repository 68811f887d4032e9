#include "support/TestBoard.h"

#include <utility>

namespace support {

TestBoard::TestBoard() : TestBoard(std::make_unique<FakeBoardWindow>(std::make_shared<WriteLog>())) {}

TestBoard::TestBoard(std::unique_ptr<FakeBoardWindow> window) : window_(*window), board_(std::move(window)) {}

void TestBoard::click(BoxCell place, int candidate)
{
    window_.cell(place).button(static_cast<std::int16_t>(candidate)).click();
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
