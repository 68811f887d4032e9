#pragma once
#include "app/Orvane_Main.h"
#include "ui/Controls.h"

// Start-up. The entry point brings the toolkit up, calls Main, runs the event loop
// until the window closes, then calls releaseBoard so that the board goes before
// the toolkit does.
namespace modOrvane {

// Creates the one board window unless it exists, shows it and returns.
void Main(ui::Platform& platform);

// The program-wide board reference; null before Main and after releaseBoard.
Orvane_Main* board();

void releaseBoard();

} // namespace modOrvane
