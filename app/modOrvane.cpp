#include "app/modOrvane.h"

#include <memory>

namespace {
std::unique_ptr<Orvane_Main> theBoard;
// The player's history of the board, made with it and gone before it.
std::unique_ptr<History> theHistory;
} // namespace

namespace modOrvane {

void Main(ui::Platform& platform)
{
    if (!theBoard) {
        theBoard = std::make_unique<Orvane_Main>(platform.createBoardWindow());
        theHistory = std::make_unique<History>(*theBoard);
    }
    theBoard->show();
}

Orvane_Main* board() { return theBoard.get(); }

History* history() { return theHistory.get(); }

void releaseBoard()
{
    theHistory.reset();
    theBoard.reset();
}

} // namespace modOrvane
