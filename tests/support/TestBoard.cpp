#include "support/TestBoard.h"

#include <utility>

#include "app/PuzzleText.h"

namespace support {

TestBoard::TestBoard() : TestBoard(std::make_unique<FakeBoardWindow>(std::make_shared<WriteLog>())) {}

TestBoard::TestBoard(std::unique_ptr<FakeBoardWindow> window) : window_(*window), board_(std::move(window))
{
    window_.boardClicks = [this](BoxCell place, std::int16_t candidate) { history_.click(place, candidate); };
    window_.picture().playThrough(history_);
}

void TestBoard::click(BoxCell place, int candidate)
{
    window_.cell(place).button(static_cast<std::int16_t>(candidate)).click();
}

bool TestBoard::clickByHand(BoxCell place, int candidate, int hand)
{
    BoardPicture& picture = window_.picture();
    ui::desktop::DrawnBoard& drawn = picture.board();
    const RowColumn at = ui::rowColumnOf(place);
    const BoardPicture::Part part{static_cast<std::int16_t>(rowMajorIndexOf(at)), static_cast<std::int16_t>(candidate)};
    picture.clicked.clear();
    const auto clickedOnce = [&] { return picture.clicked == std::vector<BoardPicture::Part>{part}; };
    using Key = ui::desktop::DrawnBoard::Key;
    if (hand == 2)
        return drawn.activate(part) && clickedOnce();
    if (hand == 3)
        return clickByKeys(part) && clickedOnce();
    // The desktop paints between the player's inputs, as the event loop turns.
    if (!drawn.press(picture.centreOf(part), hand == 0))
        return false;
    if (!drawn.hasFocus())
        drawn.focusIn(ui::desktop::DrawnBoard::Entry::Other);
    picture.paint();
    if (hand == 0) {
        drawn.drag({-1, -1});
        picture.paint();
        drawn.release({-1, -1}); // let go off the candidate, so no click
        if (!picture.clicked.empty() || !drawn.press(picture.centreOf(part), true))
            return false;
        drawn.drag(picture.centreOf(part));
        picture.paint();
        drawn.release(picture.centreOf(part));
    } else {
        drawn.keyDown(Key::Space, false);
        drawn.keyDown(Key::Space, true);
        picture.paint();
        drawn.keyUp(Key::Space, false);
    }
    return clickedOnce();
}

// The arrows to the cell, by Home or End first where that is shorter, then the
// digit; or Delete where the click takes the cell's pick back.
bool TestBoard::clickByKeys(BoardPicture::Part part)
{
    using Key = ui::Key;
    ui::desktop::DrawnBoard& drawn = window_.picture().board();
    if (!drawn.hasFocus())
        drawn.focusIn(ui::desktop::DrawnBoard::Entry::Other);
    const int row = part.cell / 9, column = part.cell % 9;
    if (column == 0 || column == 8)
        drawn.keyDown(column == 0 ? Key::RowStart : Key::RowEnd, false);
    // Each arrow moves one cell, so eight of each reach any cell.
    for (int n = 0; n < 8 && drawn.focus().cell / 9 != row; ++n)
        drawn.keyDown(drawn.focus().cell / 9 < row ? Key::Down : Key::Up, true);
    for (int n = 0; n < 8 && drawn.focus().cell % 9 != column; ++n)
        drawn.keyDown(drawn.focus().cell % 9 < column ? Key::Right : Key::Left, true);
    const ui::desktop::DrawnCell& cell = drawn.cell(part.cell);
    const bool takeBack = !cell.look(part.part == 0 ? 1 : 0).visible;
    drawn.keyDown(takeBack ? Key::TakeBack : ui::digitKey(part.part + 1), false);
    return drawn.focus() == part;
}

// The focus rests on a free candidate, or on a cell that has none: through its
// label while that shows a digit.
bool TestBoard::drawnBoardShowsWhatItHolds()
{
    ui::desktop::DrawnBoard& drawn = window_.picture().board();
    const BoardPicture::Part focus = drawn.focus();
    const ui::desktop::DrawnCell& cell = drawn.cell(focus.cell);
    const bool itself = !cell.takesFocus() &&
                        focus.part == (cell.caption().empty() ? BoardPicture::Part::none : BoardPicture::Part::label);
    return window_.picture().showsWhatItHolds() && (!drawn.hasFocus() || itself || cell.takesFocus(focus.part));
}

// Commands, undo and redo go through the desktop board, as the desktops' keys
// and buttons do; a paste goes to the history, which the desktops will call.
bool TestBoard::perform(const PlayerAction& action)
{
    ui::desktop::DrawnBoard& drawn = window_.picture().board();
    const bool couldUndo = history_.canUndo(), couldRedo = history_.canRedo();
    switch (action.kind) {
    case PlayerAction::Kind::Click: history_.click(action.pos, static_cast<std::int16_t>(action.candidate)); break;
    case PlayerAction::Kind::Fix: drawn.command(&History::fix); break;
    case PlayerAction::Kind::UnFix: drawn.command(&History::unFix); break;
    case PlayerAction::Kind::Reset: drawn.command(&History::reset); break;
    case PlayerAction::Kind::Undo: drawn.undo(false); return couldUndo;
    case PlayerAction::Kind::Redo: drawn.undo(true); return couldRedo;
    case PlayerAction::Kind::Paste: return !drawn.pasteText(puzzleText(action.puzzle)); // a problem: not pasted
    case PlayerAction::Kind::Copy: break;
    }
    return true;
}

std::string TestBoard::copy() { return window_.picture().board().copyText(); }

} // namespace support
