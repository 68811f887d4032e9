#pragma once
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// The resolution the window is drawn at, in dots per inch. The program declares
// itself dpi-aware, so Windows does not stretch it and every length is scaled here.
int windowDpi(HWND window);

} // namespace ui::win32
