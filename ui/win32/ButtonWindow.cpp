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

// In the middle of a click the board's drawing is held, and ShowWindow and
// EnableWindow would do little more than set the style, yet each costs the
// window system several trips; "Reset" makes some 700 of them. So in a paint
// pass the style alone is set, once the pass has shown the board, and the rest
// of what those calls do is done here: the focus leaves a window that is hidden
// or disabled, and a screen reader hears of the change.
void ButtonWindow::showVisible(bool visible)
{
    if (!PaintPass::changed(window_)) {
        ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
        return;
    }
    if (!visible && PaintPass::hasFocus(window_))
        PaintPass::setFocus(GetParent(window_));
    PaintPass::setStyle(window_, WS_VISIBLE, visible, visible ? EVENT_OBJECT_SHOW : EVENT_OBJECT_HIDE);
}

void ButtonWindow::showEnabled(bool enabled)
{
    if (!PaintPass::changed(window_)) {
        EnableWindow(window_, enabled);
        return;
    }
    if (!enabled && PaintPass::hasFocus(window_))
        PaintPass::setFocus(nullptr);
    PaintPass::setStyle(window_, WS_DISABLED, !enabled, EVENT_OBJECT_STATECHANGE);
}

void ButtonWindow::onClicked()
{
    const PaintPass pass(window_);
    dispatchClick(Click, &showFailureBox);
}

} // namespace ui::win32
