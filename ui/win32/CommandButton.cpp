#include "ui/win32/CommandButton.h"

#include "ui/win32/ChildWindow.h"

namespace ui::win32 {

CommandButton::CommandButton(HWND board, const designs::Control& design, int dpi, HFONT font)
    : ChangedOnlyButton(design.face),
      window_(createChild(L"BUTTON", design, board, dpi, WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | BS_PUSHBUTTON))
{
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

} // namespace ui::win32
