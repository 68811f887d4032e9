#pragma once
#include "app/History.h"
#include "app/Orvane_Main.h"
#include "ui/Controls.h"

// Start-up. The entry point brings the toolkit up, calls Main, runs the event loop
// until the window closes, then calls releaseBoard so that the board (and its
// history) goes before the toolkit does.
namespace modOrvane {

// Creates the one board window unless it exists, shows it and returns.
void Main(ui::Platform& platform);

// The program-wide board reference; null before Main and after releaseBoard.
Orvane_Main* board();

// The board's undo and redo, which every action of the player goes through; it
// lives as long as the board, and is null when the board is.
History* history();

void releaseBoard();

} // namespace modOrvane
