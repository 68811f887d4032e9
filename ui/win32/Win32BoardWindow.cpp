#include "ui/win32/Win32BoardWindow.h"

#include <optional>
#include <string>
#include <utility>

#include "app/modOrvane.h"
#include "ui/TabOrder.h"
#include "ui/win32/ChildWindow.h"
#include "ui/win32/ContextMenu.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/FailureBox.h"
#include "ui/win32/SystemColors.h"
#include "ui/win32/WindowClass.h"

namespace ui::win32 {

void Win32BoardWindow::registerClass(HINSTANCE instance)
{
    // A system colour plus one stands for that colour's brush, resolved at every draw.
    const auto background = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(sysColorIndex(designs::orvaneMain.back) + 1));
    registerClassOnce(instance, windowClass, windowProc, background);
}

Win32BoardWindow::Win32BoardWindow(HINSTANCE instance, Icons icons)
    : window_(createFrame(instance, this)),
      dpi_(windowDpi(window_)),
      fonts_(dpi_)
{
    fitInnerArea();
    if (icons.iconBig)
        SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons.iconBig));
    if (icons.iconSmall)
        SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons.iconSmall));
    // The dialog manager moves the focus in the order the children were made.
    using Kind = designs::BoardChild::Kind;
    for (const designs::BoardChild child : designs::boardChildrenInTabOrder()) {
        switch (child.kind) {
        case Kind::Box: {
            // The boxes are drawn on the one surface, which takes the first box's place in tab order.
            const int id = controlId(designs::usrcntGrid.at(static_cast<std::size_t>(child.box)));
            if (!surface_)
                surface_ = std::make_unique<BoardSurface>(window_, id, dpi_, fonts_, canvas_);
            break;
        }
        case Kind::Reset: reset_ = makeCommand(designs::cmdReset); break;
        case Kind::Fix: fix_ = makeCommand(designs::cmdFix); break;
        case Kind::UnFix: unFix_ = makeCommand(designs::cmdUnFix); break;
        }
    }
    const ui::desktop::Rect board = surface_->board().bounds();
    canvas_.make(nullptr, board.right(), board.bottom());
}

std::unique_ptr<CommandButton> Win32BoardWindow::makeCommand(const designs::Control& design) const
{
    return std::make_unique<CommandButton>(window_, design, dpi_, fonts_.caption());
}

Win32BoardWindow::~Win32BoardWindow()
{
    // The windows go first: the fonts and the controls' objects must outlive them.
    if (window_)
        DestroyWindow(window_);
    canvas_.release();
}

HWND Win32BoardWindow::createFrame(HINSTANCE instance, Win32BoardWindow* self)
{
    const std::wstring caption(designs::orvaneMain.caption.begin(), designs::orvaneMain.caption.end());
    HWND frame = CreateWindowExW(exStyle, windowClass, caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, self);
    return checked(frame, "CreateWindowEx");
}

void Win32BoardWindow::fitInnerArea() const
{
    RECT frame{0, 0, designs::toPixels(designs::orvaneMain.innerWidth, dpi_),
               designs::toPixels(designs::orvaneMain.innerHeight, dpi_)};
    if (!AdjustWindowRectEx(&frame, style, FALSE, exStyle))
        throwLastError("AdjustWindowRectEx");
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32BoardWindow::show()
{
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    // Focus enters at the lowest tab position: the board, which gives it to button
    // "1" of cell 0 of box 0. Shown again, the window leaves the player's focus where it is.
    HWND focus = GetFocus();
    if (focus && IsChild(window_, focus))
        return;
    focus_ = GetNextDlgTabItem(window_, nullptr, FALSE);
    if (focus_)
        SetFocus(focus_);
}

LRESULT CALLBACK Win32BoardWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Win32BoardWindow*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32BoardWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->handle(window, message, wParam, lParam);
}

// Messages can arrive while the frame is still being created, before window_ is
// set, so they name their window themselves.
LRESULT Win32BoardWindow::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ACTIVATE:
        // Like a dialog, the window gives the focus back to the control that had it.
        if (LOWORD(wParam) == WA_INACTIVE) {
            focus_ = GetFocus();
        } else if (focus_ && IsChild(window, focus_)) {
            SetFocus(focus_);
            return 0;
        }
        break;
    case WM_COMMAND:
        if (command(wParam, lParam))
            return 0;
        break;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        window_ = nullptr;
        break;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A command's click goes through the board's history; a key of the accelerator
// table (ContextMenu.h) is the board menu's entry of the same name, from wherever
// the focus is in the window.
bool Win32BoardWindow::command(WPARAM wParam, LPARAM lParam)
{
    const bool accelerator = HIWORD(wParam) == 1 && lParam == 0;
    if (const std::optional<ui::desktop::MenuItem> item = menuItemOfKey(LOWORD(wParam));
        accelerator && item && surface_) {
        surface_->board().choose(*item);
        return true;
    }
    const std::pair<CommandButton*, void (History::*)()> commands[] = {
        {reset_.get(), &History::reset}, {fix_.get(), &History::fix}, {unFix_.get(), &History::unFix}};
    for (const auto& [button, act] : commands)
        if (button && surface_ && HIWORD(wParam) == BN_CLICKED && reinterpret_cast<HWND>(lParam) == button->window()) {
            surface_->board().command(act);
            return true;
        }
    return false;
}

} // namespace ui::win32
