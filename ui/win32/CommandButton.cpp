#include "ui/win32/CommandButton.h"

#include "ui/win32/Layout.h"

namespace ui::win32 {

CommandButton::CommandButton(HWND board, const designs::Control& design, int dpi, HFONT font)
    : ButtonWindow(createChild(L"BUTTON", design, board, dpi, WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | BS_PUSHBUTTON),
                   font, design.face)
{
}

} // namespace ui::win32
