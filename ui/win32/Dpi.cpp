#include "ui/win32/Dpi.h"

namespace ui::win32 {

// Windows 10 knows each window's own resolution; older versions only the screen's.
// The board asks once, as it is made.
int windowDpi(HWND window)
{
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    const FARPROC proc = GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    if (const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void (*)()>(proc))) {
        if (const UINT dpi = getDpiForWindow(window))
            return static_cast<int>(dpi);
    }
    HDC screen = GetDC(window);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(window, screen);
    return dpi > 0 ? dpi : 96;
}

} // namespace ui::win32
