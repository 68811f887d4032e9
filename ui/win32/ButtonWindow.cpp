#include "ui/win32/ButtonWindow.h"

#include "ui/Dispatch.h"
#include "ui/win32/FailureBox.h"
#include "ui/win32/PaintPass.h"

namespace ui::win32 {

ButtonWindow::ButtonWindow(HWND window, HFONT font, SysColor face) : ChangedOnlyButton(face), window_(window)
{
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    attachTo(window_);
}

void ButtonWindow::showVisible(bool visible)
{
    ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
    PaintPass::changed(window_);
}

void ButtonWindow::showEnabled(bool enabled)
{
    EnableWindow(window_, enabled);
    PaintPass::changed(window_);
}

void ButtonWindow::onClicked()
{
    const PaintPass pass(window_);
    dispatchClick(Click, &showFailureBox);
}

} // namespace ui::win32
