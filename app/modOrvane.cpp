#include "app/modOrvane.h"

#include <memory>

namespace {
std::unique_ptr<Orvane_Main> theBoard;
}

namespace modOrvane {

void Main(ui::Platform& platform)
{
    if (!theBoard)
        theBoard = std::make_unique<Orvane_Main>(platform.createBoardWindow());
    theBoard->show();
}

Orvane_Main* board() { return theBoard.get(); }

void releaseBoard() { theBoard.reset(); }

} // namespace modOrvane
