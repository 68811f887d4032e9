#include "ui/win32/CellWindow.h"

#include <string>

#include "ui/win32/CellAccessible.h"
#include "ui/win32/Clicks.h"
#include "ui/win32/Layout.h"
#include "ui/win32/SystemColors.h"
#include "ui/win32/WindowsError.h"

namespace ui::win32 {

void CellWindow::registerClass(HINSTANCE instance) { registerClassOnce(instance, windowClass, windowProc); }

CellWindow::CellWindow(HWND box, const designs::Control& design, BoxCell place, int dpi, const Fonts& fonts,
                       Canvas& buffer)
    : cell_(*this, rowColumnOf(place)),
      fonts_(fonts),
      buffer_(buffer)
{
    for (std::int16_t i = 0; i < DrawnCell::size; ++i) {
        const PixelRect at = toPixels(designs::btnBlock.at(static_cast<std::size_t>(i)), dpi);
        places_.at(static_cast<std::size_t>(i)) = {at.left, at.top, at.left + at.width, at.top + at.height};
    }
    window_ = createChild(windowClass, design, box, dpi, WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, this);
}

CellWindow::~CellWindow()
{
    if (window_)
        DestroyWindow(window_);
    if (accessible_) {
        accessible_->disconnect();
        accessible_->Release();
    }
}

RECT CellWindow::placeOf(std::int16_t part) const
{
    if (part != DrawnCell::labelPart)
        return places_.at(static_cast<std::size_t>(part));
    RECT all;
    GetClientRect(window_, &all);
    return all;
}

std::int16_t CellWindow::candidateAt(POINT point) const
{
    return cell_.shownWhere([&](std::int16_t i) { return PtInRect(&places_.at(static_cast<std::size_t>(i)), point); });
}

void CellWindow::pressFor(std::int16_t index)
{
    clickIf(cell_.activate(index));
    clickIf(cell_.activated());
}

LRESULT CALLBACK CellWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<CellWindow*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
    }
    auto* self = reinterpret_cast<CellWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
    }
    return self->handle(message, wParam, lParam);
}

LRESULT CellWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_PAINT: paint(); return 0;
    case WM_ERASEBKGND: return TRUE;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(fonts_.caption());
    case WM_GETDLGCODE: return dialogCode(reinterpret_cast<const MSG*>(lParam));
    case WM_LBUTTONDOWN:
        // A press where the label shows or on a barred candidate is nobody's, as
        // it was when it fell past a hidden or disabled button to the cell beneath.
        // The capture comes first, so that the focus it gives finds the cell
        // pressed.
        if (cell_.press(candidateAt(at), true).handled) {
            SetCapture(window_);
            if (GetFocus() != window_)
                SetFocus(window_);
        }
        return 0;
    case WM_MOUSEMOVE:
        if (GetCapture() == window_)
            cell_.drag(candidateAt(at));
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == window_) {
            const DrawnCell::Reply reply = cell_.release(candidateAt(at));
            ReleaseCapture();
            clickIf(reply);
        }
        return 0;
    case WM_CAPTURECHANGED: cell_.release(DrawnCell::none); return 0;
    case WM_KEYDOWN: return keyDown(wParam, lParam);
    case WM_KEYUP:
        if (wParam == VK_SPACE)
            clickIf(cell_.spaceUp(false));
        return 0;
    case WM_SETFOCUS: cell_.focusIn(entryFrom(reinterpret_cast<HWND>(wParam))); return 0;
    case WM_KILLFOCUS: cell_.focusOut(); return 0;
    case WM_UPDATEUISTATE:
        // Keyboard cues shown or hidden: the focus rectangle comes or goes.
        InvalidateRect(window_, &places_.at(static_cast<std::size_t>(cell_.focus())), FALSE);
        break;
    case WM_GETOBJECT:
        if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
            if (!accessible_)
                accessible_ = new CellAccessible(*this);
            return LresultFromObject(IID_IAccessible, wParam, accessible_);
        }
        break;
    default: break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CellWindow::keyDown(WPARAM key, LPARAM flags)
{
    const bool forward = key == VK_RIGHT || key == VK_DOWN || (key == VK_TAB && GetKeyState(VK_SHIFT) >= 0);
    switch (key) {
    case VK_SPACE: cell_.spaceDown((flags & (1 << 30)) != 0); return 0;
    case VK_ESCAPE: cell_.escape(); return 0;
    case VK_TAB:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (!cell_.tab(forward).handled)
            moveOn(forward);
        return 0;
    default: return DefWindowProcW(window_, WM_KEYDOWN, key, flags);
    }
}

// The arrows are the cell's, as Space is; Tab only while it moves inside the
// cell, and Escape only while it lets a candidate go.
LRESULT CellWindow::dialogCode(const MSG* message) const
{
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (message && message->message == WM_KEYDOWN) {
        if (message->wParam == VK_TAB && cell_.canTab(GetKeyState(VK_SHIFT) >= 0))
            code |= DLGC_WANTTAB;
        if (message->wParam == VK_ESCAPE && cell_.look(cell_.focus()).down)
            code |= DLGC_WANTMESSAGE;
    }
    return code;
}

void CellWindow::moveOn(bool forward) const
{
    HWND board = GetAncestor(window_, GA_ROOT);
    HWND next = GetNextDlgTabItem(board, window_, !forward);
    SetFocus(next != window_ ? next : nullptr);
}

// Focus that comes from the control before the cell in tab order came by Tab,
// from the one after it by Shift+Tab; focus that a press gives, or any other,
// goes where the cell has it.
DrawnCell::Entry CellWindow::entryFrom(HWND previous) const
{
    HWND board = GetAncestor(window_, GA_ROOT);
    if (!previous || previous == window_ || !IsChild(board, previous) || GetCapture() == window_)
        return DrawnCell::Entry::Other;
    if (GetNextDlgTabItem(board, previous, FALSE) == window_)
        return DrawnCell::Entry::Front;
    if (GetNextDlgTabItem(board, previous, TRUE) == window_)
        return DrawnCell::Entry::Back;
    return DrawnCell::Entry::Other;
}

void CellWindow::clickIf(DrawnCell::Reply reply)
{
    if (reply.clicked != DrawnCell::none)
        clickAndShow(window_, cell_.btnBlock(reply.clicked).Click);
}

void CellWindow::cellChanged(std::int16_t part, Change change)
{
    const RECT place = placeOf(part);
    InvalidateRect(window_, &place, FALSE);
    if (change == Change::Visible || change == Change::Enabled) {
        const LONG style = GetWindowLongW(window_, GWL_STYLE);
        const LONG stop = cell_.takesFocus() ? WS_TABSTOP : 0;
        if ((style & WS_TABSTOP) != stop)
            SetWindowLongW(window_, GWL_STYLE, (style & ~WS_TABSTOP) | stop);
    }
    CellAccessible::announce(window_, cell_, part, change);
}

void CellWindow::paint()
{
    PAINTSTRUCT paint;
    HDC screen = BeginPaint(window_, &paint);
    HDC dc = buffer_.dc;
    drawLabel(dc);
    for (std::int16_t i = 0; i < DrawnCell::size; ++i) {
        RECT common;
        if (cell_.look(i).visible && IntersectRect(&common, &paint.rcPaint, &places_.at(static_cast<std::size_t>(i))))
            drawCandidate(dc, i);
    }
    const RECT& dirty = paint.rcPaint;
    BitBlt(screen, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, dc, dirty.left, dirty.top,
           SRCCOPY);
    EndPaint(window_, &paint);
}

// The face, a raised edge (sunk while held down) and the caption, engraved
// while barred so that it reads on the dark face too; the focus rectangle
// while the keyboard cues show.
void CellWindow::drawCandidate(HDC dc, std::int16_t index) const
{
    const DrawnCell::Look look = cell_.look(index);
    RECT area = places_.at(static_cast<std::size_t>(index));
    FillRect(dc, &area, brushOf(look.face));
    DrawEdge(dc, &area, look.down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    constexpr UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    const std::string_view digit = designs::btnBlock.at(static_cast<std::size_t>(index)).caption;
    const std::wstring caption(digit.begin(), digit.end());
    RECT text = area;
    if (look.down)
        OffsetRect(&text, 1, 1);
    HGDIOBJ previous = SelectObject(dc, fonts_.caption());
    SetBkMode(dc, TRANSPARENT);
    if (look.enabled) {
        SetTextColor(dc, resolve(SysColor::ButtonText));
    } else {
        RECT lit = text;
        OffsetRect(&lit, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextW(dc, caption.c_str(), -1, &lit, format);
        SetTextColor(dc, GetSysColor(COLOR_3DSHADOW));
    }
    DrawTextW(dc, caption.c_str(), -1, &text, format);
    SelectObject(dc, previous);

    if (look.focused && !(SendMessageW(window_, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
        InflateRect(&area, -3, -3);
        DrawFocusRect(dc, &area);
    }
}

// As the system draws a centred static text: the background filled, the text
// at the top, centred across the width.
void CellWindow::drawLabel(HDC dc) const
{
    RECT area = placeOf(DrawnCell::labelPart);
    FillRect(dc, &area, brushOf(designs::lbl.face));
    if (cell_.caption().empty())
        return;
    HGDIOBJ previous = SelectObject(dc, fonts_.label());
    SetTextColor(dc, resolve(designs::lblText));
    SetBkColor(dc, resolve(designs::lbl.face));
    SetBkMode(dc, OPAQUE);
    const std::wstring text(cell_.caption().begin(), cell_.caption().end());
    DrawTextW(dc, text.c_str(), -1, &area, DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(dc, previous);
}

} // namespace ui::win32
