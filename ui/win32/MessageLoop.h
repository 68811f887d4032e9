#pragma once
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// Hands a message first to the accelerator table `keys`, which makes undo and
// redo commands of the top-level window, then to that window's dialog manager,
// which moves the focus between the board and the commands on Tab and lets Space
// press a command; the board surface asks it for the keys the board handles
// itself. Every other message goes to its window as usual.
void deliver(MSG& message, HACCEL keys);

// Delivers messages until the board window has closed; returns the exit status.
int runMessageLoop(HACCEL keys);

} // namespace ui::win32
