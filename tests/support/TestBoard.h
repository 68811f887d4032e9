#pragma once
#include <cstddef>
#include <memory>
#include <string>

#include "app/History.h"
#include "app/Orvane_Main.h"
#include "support/BoardPlaces.h"
#include "support/FakeBoardWindow.h"
#include "support/PlayerAction.h"
#include "support/VisibleState.h"
#include "support/WriteLog.h"

namespace support {

// The real board (Orvane_Main with its boxes and cells) on a recording fake
// window, with the player's hands: clicks raise the buttons' Click events the
// way a front-end delivers them. The log already holds what creating the board
// wrote (the 81 labels emptied); clear it before watching an action. Actions
// performed and desktop board clicks go through the history, as a front-end's do.
class TestBoard {
public:
    TestBoard();
    // Few, so that a model keeping a copy of its board for each keeps up.
    static constexpr std::size_t historyLimit = 100;

    Orvane_Main& board() { return board_; }
    FakeBoardWindow& window() { return window_; }
    WriteLog& log() { return window_.log(); }
    const WriteLog& log() const { return window_.log(); }
    FakeCell& cell(BoxCell place) { return window_.cell(place); }
    FakeCell& cell(RowColumn pos) { return window_.cell(ui::boxCellOf(pos)); }

    void click(BoxCell place, int candidate);
    void click(RowColumn pos, int candidate) { click(ui::boxCellOf(pos), candidate); }
    void pressFix() { window_.fixButton().click(); }
    void pressUnFix() { window_.unFixButton().click(); }
    void pressReset() { window_.resetButton().click(); }
    // False only when there was nothing to undo or redo.
    bool perform(const PlayerAction& action);
    // The board's copy, as a front-end puts it on the clipboard.
    std::string copy();

    // A click on a shown, free candidate as the desktop board takes it: a press
    // and release of the mouse, dragged off and back on between (hand 0), a
    // press of Space on the focused candidate (1), or a press by assistive
    // technology (2), or by keys from where the focus is (3). True when the board
    // clicked that candidate, and only it.
    bool clickByHand(BoxCell place, int candidate, int hand);
    // Whether the desktop board's picture kept up with what it holds, and the
    // focus, where the board has it, is on a candidate that takes it.
    bool drawnBoardShowsWhatItHolds();

    BoardState visibleState() const { return window_.visibleState(); }

private:
    bool clickByKeys(BoardPicture::Part part);
    explicit TestBoard(std::unique_ptr<FakeBoardWindow> window);

    // The window is owned by the board; this reference stays valid as long as the board.
    FakeBoardWindow& window_;
    Orvane_Main board_;
    History history_{board_, historyLimit};
};

} // namespace support
