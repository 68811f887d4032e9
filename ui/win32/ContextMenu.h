#pragma once
#include <optional>

#include "ui/desktop/DrawnBoard.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// The board's context menu in the system's own popup menu, for a WM_CONTEXTMENU
// on the board surface `surface`: at the mouse, or from the keyboard (`at` is -1)
// beneath the focused part of the board. Each entry is grayed unless the board
// offers it; the board carries out the one chosen.
void openBoardMenu(HWND surface, LPARAM at, ui::desktop::DrawnBoard& board);

// The keys of the menu's entries (CommandKeys.h) as an accelerator table for the
// message loop, made once; each key's WM_COMMAND carries its entry's identifier.
HACCEL boardMenuKeys();
std::optional<ui::desktop::MenuItem> menuItemOfKey(WORD identifier);

} // namespace ui::win32
