#pragma once
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// Hands a message to the dialog manager of its top-level window first, which
// moves the focus on Tab and lets Space press the focused button across boxes and
// cells; every other message goes to its window as usual.
void deliver(MSG& message);

// Delivers messages until the board window has closed; returns the exit status.
int runMessageLoop();

} // namespace ui::win32
