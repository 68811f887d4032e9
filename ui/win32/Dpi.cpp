#include "ui/win32/Dpi.h"

namespace ui::win32 {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

// Windows 10 knows each window's own resolution; older versions only the screen's.
GetDpiForWindowFn getDpiForWindow()
{
    static const GetDpiForWindowFn fn = [] {
        const FARPROC proc = GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
        return reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void (*)()>(proc));
    }();
    return fn;
}

} // namespace

int windowDpi(HWND window)
{
    if (const GetDpiForWindowFn fn = getDpiForWindow()) {
        if (const UINT dpi = fn(window))
            return static_cast<int>(dpi);
    }
    HDC screen = GetDC(window);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(window, screen);
    return dpi > 0 ? dpi : 96;
}

} // namespace ui::win32
