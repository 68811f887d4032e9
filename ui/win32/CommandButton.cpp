#include "ui/win32/CommandButton.h"

#include "ui/win32/Layout.h"
#include "ui/win32/PaintPass.h"

namespace ui::win32 {

namespace {

WNDPROC systemButton = nullptr;

// The system's button draws its focus and its pressed look on the screen at
// once, so a click on a command would show the button before the board. While
// a paint pass is open it is kept from drawing them, as a window that is not
// to be redrawn, and the pass draws it with the rest.
LRESULT CALLBACK commandProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case BM_SETSTATE:
    case WM_ENABLE:
        if (IsWindowVisible(window) && PaintPass::changed(window)) {
            CallWindowProcW(systemButton, window, WM_SETREDRAW, FALSE, 0);
            const LRESULT result = CallWindowProcW(systemButton, window, message, wParam, lParam);
            CallWindowProcW(systemButton, window, WM_SETREDRAW, TRUE, 0);
            return result;
        }
        break;
    default:
        break;
    }
    return CallWindowProcW(systemButton, window, message, wParam, lParam);
}

} // namespace

CommandButton::CommandButton(HWND board, const designs::Control& design, int dpi, HFONT font)
    : ButtonWindow(createChild(L"BUTTON", design, board, dpi, WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | BS_PUSHBUTTON),
                   font, design.face)
{
    systemButton = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&commandProc)));
}

} // namespace ui::win32
