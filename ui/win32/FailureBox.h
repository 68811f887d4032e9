#pragma once

namespace ui::win32 {

// Puts an internal error in front of the player before the program ends; the
// words also go to stderr, which a Windows program started from its icon lacks.
void showFailureBox(const char* message);

} // namespace ui::win32
