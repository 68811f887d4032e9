#include "ui/win32/ButtonWindow.h"

#include "ui/Dispatch.h"
#include "ui/win32/FailureBox.h"

namespace ui::win32 {

ButtonWindow::ButtonWindow(HWND window, HFONT font, SysColor face) : ChangedOnlyButton(face), window_(window)
{
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    attachTo(window_);
}

void ButtonWindow::showVisible(bool visible) { ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE); }

void ButtonWindow::showEnabled(bool enabled) { EnableWindow(window_, enabled); }

void ButtonWindow::onClicked() { dispatchClick(Click, &showFailureBox); }

} // namespace ui::win32
