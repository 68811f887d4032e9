#include "ui/win32/ChildWindow.h"

#include <string>

#include "ui/Text.h"
#include "ui/win32/Utf16.h"
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
    const std::wstring caption = utf16(control.caption.empty() ? "" : _(control.caption.data()));
    return createChild(windowClass, caption.c_str(), ui::desktop::toPixels(control, dpi), controlId(control), parent,
                       style);
}

} // namespace ui::win32
