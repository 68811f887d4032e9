#include "ui/win32/ChildControl.h"

#include "ui/win32/PaintPass.h"

namespace ui::win32 {

void ChildControl::attachTo(HWND window) { SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this)); }

ChildControl* ChildControl::from(HWND window)
{
    return window ? reinterpret_cast<ChildControl*>(GetWindowLongPtrW(window, GWLP_USERDATA)) : nullptr;
}

bool ChildControl::drawsItself(HWND window)
{
    const ChildControl* control = from(window);
    return control && control->drawnAs() != 0;
}

void ChildControl::drawInto(HWND window, HDC dc, const RECT& area, bool enabled, bool focused)
{
    ChildControl* control = from(window);
    DRAWITEMSTRUCT item{};
    item.CtlType = control->drawnAs();
    item.itemAction = ODA_DRAWENTIRE;
    if (item.CtlType == ODT_BUTTON && focused) {
        // The focus as the board shows it: the window system may learn of it later.
        item.itemState = ODS_FOCUS | (SendMessageW(window, BM_GETSTATE, 0, 0) & BST_PUSHED ? ODS_SELECTED : 0);
        if (SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)
            item.itemState |= ODS_NOFOCUSRECT;
    }
    if (!enabled)
        item.itemState |= ODS_DISABLED;
    item.hwndItem = window;
    item.hDC = dc;
    item.rcItem = area;
    control->onDrawItem(item);
}

bool ChildControl::clickable(HWND window)
{
    const ChildControl* control = from(window);
    return control && control->clicks() && IsWindowEnabled(window) && IsWindowVisible(window);
}

// Handed the press and then the release, the system's button also captures the
// mouse, marks itself pressed and released again and releases the mouse, and
// each of those steps is a trip to the window system: under Wine some ten trips
// to its server, a third of what the program spent on a click. None of them
// shows once press and release are both there: the click's paint pass shows
// its end alone.
void ChildControl::click(HWND window)
{
    PaintPass::setFocus(window);
    SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                 reinterpret_cast<LPARAM>(window));
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
        // A pressed button, the focus passing on, a new caption: while a paint
        // pass is open, it draws them all at once when it closes.
        if (!PaintPass::changed(item.hwndItem))
            control->onDrawItem(item);
        result = TRUE;
        return true;
    }
    default:
        return false;
    }
}

} // namespace ui::win32
