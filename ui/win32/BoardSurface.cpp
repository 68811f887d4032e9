#include "ui/win32/BoardSurface.h"

#include <optional>
#include <span>
#include <vector>

#include "app/modOrvane.h"
#include "ui/desktop/BoardDrawing.h"
#include "ui/win32/ChildWindow.h"
#include "ui/win32/ContextMenu.h"
#include "ui/win32/FailureBox.h"
#include "ui/win32/GdiPainter.h"
#include "ui/win32/MsaaObject.h"
#include "ui/win32/PlayerText.h"
#include "ui/win32/WindowClass.h"

namespace ui::win32 {
namespace {

using ui::desktop::DrawnBoard;

ui::desktop::Point pointOf(LPARAM lParam)
{
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

bool shiftDown() { return GetKeyState(VK_SHIFT) < 0; }

// The board's keys. Keys with Alt come as system keys and stay the system's;
// with Ctrl, only Home and End are the board's.
std::optional<ui::Key> keyOf(WPARAM key)
{
    using ui::Key;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (key == VK_HOME || key == VK_END)
        return key == VK_HOME ? (ctrl ? Key::BoardStart : Key::RowStart) : (ctrl ? Key::BoardEnd : Key::RowEnd);
    if (ctrl)
        return std::nullopt;
    // The top row's keys are '1' to '9' by their place on every layout; the keypad's type their digit.
    const int topRow = key >= '1' && key <= '9' ? static_cast<int>(key - '0') : 0;
    const char32_t typed = key >= VK_NUMPAD1 && key <= VK_NUMPAD9 ? U'1' + static_cast<char32_t>(key - VK_NUMPAD1) : 0;
    if (const auto digit = ui::digitKeyOf(topRow, typed))
        return digit;
    switch (key) {
    case VK_SPACE: return Key::Space;
    case VK_ESCAPE: return Key::Escape;
    case VK_TAB: return shiftDown() ? Key::Previous : Key::Next;
    case VK_LEFT: return Key::Left;
    case VK_RIGHT: return Key::Right;
    case VK_UP: return Key::Up;
    case VK_DOWN: return Key::Down;
    case VK_DELETE:
    case VK_BACK: return Key::TakeBack;
    default: return std::nullopt;
    }
}

} // namespace

void BoardSurface::registerClass(HINSTANCE instance) { registerClassOnce(instance, windowClass, windowProc); }

BoardSurface::BoardSurface(HWND parent, int id, int dpi, const Fonts& fonts, Canvas& canvas)
    : board_(*this, dpi),
      fonts_(fonts),
      canvas_(canvas)
{
    window_ =
        createChild(windowClass, L"", board_.bounds(), id, parent, WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, this);
}

BoardSurface::~BoardSurface()
{
    if (window_)
        DestroyWindow(window_);
    if (accessible_) {
        accessible_->disconnect();
        accessible_->Release();
    }
}

LRESULT CALLBACK BoardSurface::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<BoardSurface*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
    }
    auto* self = reinterpret_cast<BoardSurface*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT BoardSurface::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: paint(); return 0;
    case WM_ERASEBKGND: return TRUE;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(fonts_.caption());
    case WM_GETDLGCODE: return dialogCode(reinterpret_cast<const MSG*>(lParam));
    case WM_LBUTTONDOWN: press(pointOf(lParam), true); return 0;
    case WM_RBUTTONDOWN: press(pointOf(lParam), false); return 0;
    // The right button's release, the Menu key and Shift+F10, as DefWindowProc turns them.
    case WM_CONTEXTMENU: openBoardMenu(window_, lParam, board_); return 0;
    case WM_MOUSEMOVE:
        if (GetCapture() == window_)
            board_.drag(pointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == window_) {
            board_.release(pointOf(lParam));
            ReleaseCapture();
        }
        return 0;
    case WM_CAPTURECHANGED: board_.cancelPress(); return 0;
    case WM_KEYDOWN: return keyDown(wParam, lParam);
    case WM_KEYUP:
        if (wParam == VK_SPACE && board_.keyUp(ui::Key::Space, false))
            return 0;
        break;
    case WM_SETFOCUS: board_.focusIn(entryFrom(reinterpret_cast<HWND>(wParam))); return 0;
    case WM_KILLFOCUS: board_.focusOut(); return 0;
    case WM_UPDATEUISTATE: InvalidateRect(window_, nullptr, FALSE); break;
    case WM_GETOBJECT:
        if (const LRESULT object = MsaaObject::answer(accessible_, *this, wParam, lParam))
            return object;
        break;
    default: break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// A press where nothing takes it is nobody's. The capture comes first, so that
// the focus the press gives finds the candidate held.
void BoardSurface::press(ui::desktop::Point at, bool primary)
{
    if (!board_.press(at, primary))
        return;
    if (primary)
        SetCapture(window_);
    takeFocus();
}

LRESULT BoardSurface::keyDown(WPARAM key, LPARAM flags)
{
    const std::optional<ui::Key> verb = keyOf(key);
    if (!verb)
        return DefWindowProcW(window_, WM_KEYDOWN, key, flags);
    if (!board_.keyDown(*verb, (flags & (1 << 30)) != 0) && (verb == ui::Key::Next || verb == ui::Key::Previous))
        moveOn(verb == ui::Key::Next);
    return 0;
}

// The arrows, Space and the digits are the board's; Tab only while the focus
// moves on inside the board, and Escape only while it lets a held candidate go.
LRESULT BoardSurface::dialogCode(const MSG* message) const
{
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (message && message->message == WM_KEYDOWN) {
        if (message->wParam == VK_TAB && board_.wants(shiftDown() ? ui::Key::Previous : ui::Key::Next))
            code |= DLGC_WANTTAB;
        if (message->wParam == VK_ESCAPE && board_.wants(ui::Key::Escape))
            code |= DLGC_WANTMESSAGE;
    }
    return code;
}

void BoardSurface::moveOn(bool forward) const
{
    HWND root = GetAncestor(window_, GA_ROOT);
    HWND next = GetNextDlgTabItem(root, window_, !forward);
    SetFocus(next != window_ ? next : nullptr);
}

// Focus that comes from the control before the surface in tab order came by Tab,
// from the one after it by Shift+Tab; focus the board gives itself, or any other,
// goes where the board has it.
DrawnBoard::Entry BoardSurface::entryFrom(HWND previous) const
{
    HWND root = GetAncestor(window_, GA_ROOT);
    if (givingFocus_ || !previous || previous == window_ || !IsChild(root, previous))
        return DrawnBoard::Entry::Other;
    if (GetNextDlgTabItem(root, previous, FALSE) == window_)
        return DrawnBoard::Entry::Front;
    if (GetNextDlgTabItem(root, previous, TRUE) == window_)
        return DrawnBoard::Entry::Back;
    return DrawnBoard::Entry::Other;
}

// The update region is drawn into the canvas rectangle by rectangle, and its
// bounding rectangle then goes on the screen in one copy.
void BoardSurface::paint()
{
    std::vector<ui::desktop::Rect> areas;
    if (HRGN region = CreateRectRgn(0, 0, 0, 0)) {
        if (GetUpdateRgn(window_, region, FALSE) != ERROR) {
            std::vector<char> data(GetRegionData(region, 0, nullptr));
            auto* list = reinterpret_cast<RGNDATA*>(data.data());
            if (!data.empty() && GetRegionData(region, static_cast<DWORD>(data.size()), list))
                for (const RECT& r : std::span(reinterpret_cast<const RECT*>(list->Buffer), list->rdh.nCount))
                    areas.push_back({r.left, r.top, r.right - r.left, r.bottom - r.top});
        }
        DeleteObject(region);
    }
    PAINTSTRUCT paint;
    HDC screen = BeginPaint(window_, &paint);
    const RECT& dirty = paint.rcPaint;
    if (areas.empty())
        areas.push_back({dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top});
    {
        GdiPainter painter(canvas_.dc, fonts_, !(SendMessageW(window_, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS));
        ui::desktop::drawBoard(board_, painter, areas);
    }
    BitBlt(screen, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, canvas_.dc, dirty.left,
           dirty.top, SRCCOPY);
    EndPaint(window_, &paint);
}

ui::desktop::Point BoardSurface::origin() const
{
    POINT corner{0, 0};
    ClientToScreen(window_, &corner);
    return {corner.x, corner.y};
}

void BoardSurface::redraw(const ui::desktop::Rect& area)
{
    const RECT r{area.left, area.top, area.right(), area.bottom()};
    if (window_)
        InvalidateRect(window_, &r, FALSE);
}

History* BoardSurface::history() const { return modOrvane::history(); }

History::Step BoardSurface::dispatch(const std::function<History::Step()>& action)
{
    return actAndShow(window_, action);
}

// As Windows names the events, each on the object that answers for the part.
void BoardSurface::announce(ui::desktop::Part part, Announcement what)
{
    DWORD event = EVENT_OBJECT_FOCUS;
    switch (what) {
    case Announcement::Focus: break;
    case Announcement::Show: event = EVENT_OBJECT_SHOW; break;
    case Announcement::Hide: event = EVENT_OBJECT_HIDE; break;
    case Announcement::StateChange: event = EVENT_OBJECT_STATECHANGE; break;
    case Announcement::NameChange: event = EVENT_OBJECT_NAMECHANGE; break;
    }
    const auto [object, child] = MsaaObject::eventIds(part);
    if (window_)
        NotifyWinEvent(event, window_, object, child);
}

std::variant<std::string, PuzzleProblem> BoardSurface::clipboardText(std::size_t atMost) const
{
    return ui::win32::clipboardText(window_, atMost);
}

bool BoardSurface::putOnClipboard(const std::string& text) { return ui::win32::putOnClipboard(window_, text); }

bool BoardSurface::clipboardHoldsText() const { return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE; }

void BoardSurface::warn(const std::string& message) { warnPlayer(window_, message); }

void BoardSurface::takeFocus()
{
    if (!window_ || GetFocus() == window_)
        return;
    givingFocus_ = true;
    SetFocus(window_);
    givingFocus_ = false;
}

void BoardSurface::takesFocusChanged(bool takesFocus)
{
    if (!window_)
        return;
    const LONG style = GetWindowLongW(window_, GWL_STYLE);
    SetWindowLongW(window_, GWL_STYLE, takesFocus ? style | WS_TABSTOP : style & ~WS_TABSTOP);
}

} // namespace ui::win32
