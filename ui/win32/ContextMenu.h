#pragma once
#include "ui/desktop/DrawnBoard.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// The board's context menu in the system's own popup menu, for a WM_CONTEXTMENU
// on the board surface `surface`: at the mouse, or from the keyboard (`at` is -1)
// beneath the focused part of the board. Each entry is grayed unless the board
// offers it; the board carries out the one chosen.
void openBoardMenu(HWND surface, LPARAM at, ui::desktop::DrawnBoard& board);

} // namespace ui::win32
