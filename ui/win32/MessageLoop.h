#pragma once
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// Hands a message to the dialog manager of its top-level window first, which
// moves the focus between the board and the commands on Tab and lets Space press
// a command; the board surface asks it for the keys the board handles itself.
// Every other message goes to its window as usual.
void deliver(MSG& message);

// Delivers messages until the board window has closed; returns the exit status.
int runMessageLoop();

} // namespace ui::win32
