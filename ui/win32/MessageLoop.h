#pragma once
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// Hands a message to the dialog manager of its top-level window first, which
// moves the focus on Tab and lets Space press the focused button across boxes and
// cells; every other message goes to its window as usual.
// Keys of the accelerator table `keys` (undo and redo) go to the top-level
// window as commands first.
void deliver(MSG& message, HACCEL keys);

// Delivers messages until the board window has closed; returns the exit status.
int runMessageLoop(HACCEL keys);

} // namespace ui::win32
