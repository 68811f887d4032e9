#include "ui/win32/ChildControl.h"

namespace ui::win32 {

void ChildControl::attachTo(HWND window) { SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this)); }

ChildControl* ChildControl::from(HWND window)
{
    return window ? reinterpret_cast<ChildControl*>(GetWindowLongPtrW(window, GWLP_USERDATA)) : nullptr;
}

bool ChildControl::route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_COMMAND: {
        ChildControl* control = from(reinterpret_cast<HWND>(lParam));
        if (!control || HIWORD(wParam) != BN_CLICKED)
            return false;
        control->onClicked();
        result = 0;
        return true;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        ChildControl* control = item.CtlType == ODT_BUTTON || item.CtlType == ODT_STATIC ? from(item.hwndItem) : nullptr;
        if (!control)
            return false;
        control->onDrawItem(item);
        result = TRUE;
        return true;
    }
    default:
        return false;
    }
}

} // namespace ui::win32
