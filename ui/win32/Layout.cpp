#include "ui/win32/Layout.h"

#include <string>

#include "ui/win32/WindowsError.h"

namespace ui::win32 {

HWND createChild(const wchar_t* windowClass, const designs::Control& control, HWND parent, int dpi, DWORD style,
                 DWORD exStyle, void* createParam)
{
    const PixelRect at = toPixels(control, dpi);
    const std::wstring caption(control.caption.begin(), control.caption.end());
    HWND child = CreateWindowExW(exStyle, windowClass, caption.c_str(), WS_CHILD | style, at.left, at.top, at.width,
                                 at.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(control))),
                                 reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), createParam);
    return checked(child, "CreateWindowEx");
}

} // namespace ui::win32
