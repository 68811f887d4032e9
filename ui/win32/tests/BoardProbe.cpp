#include "BoardProbe.h"

#include <oleacc.h>

#include "ui/Designs.h"
#include "ui/win32/Layout.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/Pixels.h"

namespace designs = ui::designs;
using ui::win32::controlId;

void pumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT)
            ui::win32::deliver(message);
    }
}

HWND BoardProbe::box(int b) const { return GetDlgItem(board_, controlId(designs::usrcntGrid.at(b))); }

HWND BoardProbe::cell(int b, int k) const { return GetDlgItem(box(b), controlId(designs::usrcntSquare.at(k))); }

HWND BoardProbe::candidate(int b, int k, int i) const
{
    return GetDlgItem(cell(b, k), controlId(designs::btnBlock.at(i)));
}

HWND BoardProbe::label(int b, int k) const { return GetDlgItem(cell(b, k), controlId(designs::lbl)); }

HWND BoardProbe::reset() const { return GetDlgItem(board_, controlId(designs::cmdReset)); }

HWND BoardProbe::fix() const { return GetDlgItem(board_, controlId(designs::cmdFix)); }

HWND BoardProbe::unFix() const { return GetDlgItem(board_, controlId(designs::cmdUnFix)); }

std::wstring BoardProbe::text(HWND control)
{
    wchar_t buffer[64] = {};
    GetWindowTextW(control, buffer, 64);
    return buffer;
}

namespace {

// The client object of a window, as a screen reader asks for it, or null.
IAccessible* accessibleOf(HWND control)
{
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&object))))
        return nullptr;
    return object;
}

VARIANT self()
{
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = CHILDID_SELF;
    return child;
}

} // namespace

std::wstring BoardProbe::accessibleName(HWND control)
{
    IAccessible* object = accessibleOf(control);
    if (!object)
        return L"(no accessible object)";
    BSTR name = nullptr;
    std::wstring result = SUCCEEDED(object->get_accName(self(), &name)) && name ? name : L"";
    SysFreeString(name);
    object->Release();
    return result;
}

long BoardProbe::accessibleState(HWND control)
{
    IAccessible* object = accessibleOf(control);
    if (!object)
        return -1;
    VARIANT state;
    VariantInit(&state);
    const long result = SUCCEEDED(object->get_accState(self(), &state)) && state.vt == VT_I4 ? state.lVal : -1;
    object->Release();
    return result;
}

COLORREF BoardProbe::beneath(HWND candidate) const
{
    RedrawWindow(board_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HWND label = GetDlgItem(GetParent(candidate), controlId(designs::lbl));
    RECT area;
    GetWindowRect(candidate, &area);
    MapWindowPoints(HWND_DESKTOP, label, reinterpret_cast<POINT*>(&area), 2);
    // The label's own window lies beneath the buttons: drawing on it reaches only
    // where no shown button covers it.
    HDC dc = GetDC(label);
    const COLORREF color = GetPixel(dc, area.left, area.top);
    ReleaseDC(label, dc);
    return color;
}

COLORREF BoardProbe::face(HWND candidate) const
{
    RedrawWindow(board_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(candidate);
    // Just inside the two-pixel raised edge, clear of the caption and focus rectangle.
    const COLORREF color = GetPixel(dc, 2, 2);
    ReleaseDC(candidate, dc);
    return color;
}

void BoardProbe::clickAt(HWND control) const
{
    RECT area;
    GetWindowRect(control, &area);
    const POINT screen{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    HWND hit = WindowFromPoint(screen);
    POINT client = screen;
    ScreenToClient(hit, &client);
    const LPARAM at = MAKELPARAM(client.x, client.y);
    SendMessageW(hit, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(hit, WM_LBUTTONUP, 0, at);
    pumpMessages();
}

namespace {

void mouseClicks(HWND control, int count)
{
    RECT area;
    GetWindowRect(control, &area);
    SetCursorPos((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    INPUT clicks[4] = {};
    for (int n = 0; n < 2 * count; ++n) {
        clicks[n].type = INPUT_MOUSE;
        clicks[n].mi.dwFlags = n % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
    }
    SendInput(2 * count, clicks, sizeof(INPUT));
    pumpMessages();
}

} // namespace

void BoardProbe::quickClick(HWND control) const { mouseClicks(control, 1); }

void BoardProbe::doubleClick(HWND control) const { mouseClicks(control, 2); }

std::vector<DWORD> BoardProbe::picture() const
{
    RECT inner;
    GetClientRect(board_, &inner);
    ui::win32::Canvas copy;
    copy.make(nullptr, inner.right, inner.bottom);
    // Not clipped to the board window's own area: the children's pixels too.
    HDC window = GetDCEx(board_, nullptr, DCX_CACHE);
    BitBlt(copy.dc, 0, 0, inner.right, inner.bottom, window, 0, 0, SRCCOPY);
    ReleaseDC(board_, window);
    const auto* first = reinterpret_cast<const DWORD*>(copy.pixels.first);
    std::vector<DWORD> pixels(first, first + static_cast<std::size_t>(inner.right) * inner.bottom);
    copy.release();
    return pixels;
}

void BoardProbe::pressKey(WPARAM key) const
{
    HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    // Repeat count 1; the release also says the key was down and is now up.
    PostMessageW(focus, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    pumpMessages();
}
