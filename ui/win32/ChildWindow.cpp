#include "ui/win32/ChildWindow.h"

#include <string>

#include "ui/win32/WindowsError.h"

namespace ui::win32 {

HWND createChild(const wchar_t* windowClass, const wchar_t* caption, const ui::desktop::Rect& place, int id,
                 HWND parent, DWORD style, void* createParam)
{
    HWND child = CreateWindowExW(0, windowClass, caption, WS_CHILD | style, place.left, place.top, place.width,
                                 place.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), createParam);
    return checked(child, "CreateWindowEx");
}

HWND createChild(const wchar_t* windowClass, const designs::Control& control, HWND parent, int dpi, DWORD style)
{
    const std::wstring caption(control.caption.begin(), control.caption.end());
    const ui::desktop::Rect place{designs::toPixels(control.left, dpi), designs::toPixels(control.top, dpi),
                                  designs::toPixels(control.width, dpi), designs::toPixels(control.height, dpi)};
    return createChild(windowClass, caption.c_str(), place, controlId(control), parent, style);
}

} // namespace ui::win32
