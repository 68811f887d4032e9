#include "BoardProbe.h"

#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
#include <utility>

#include "ui/BoardPlace.h"
#include "ui/Designs.h"
#include "ui/win32/BoardSurface.h"
#include "ui/win32/Canvas.h"
#include "ui/win32/ChildWindow.h"
#include "ui/win32/ContextMenu.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/MsaaObject.h"

namespace designs = ui::designs;
using ui::win32::controlId;

// The program's keys of the board menu's entries, as its message loop has them.
HACCEL programKeys() { return ui::win32::boardMenuKeys(); }

void pumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT)
            ui::win32::deliver(message, programKeys());
    }
}

HWND BoardProbe::surface() const
{
    return FindWindowExW(board_, nullptr, ui::win32::BoardSurface::windowClass, nullptr);
}

namespace {

Control partOf(HWND surface, int b, int k, int part)
{
    const ui::RowColumn place = ui::rowColumnOf({static_cast<std::int16_t>(b), static_cast<std::int16_t>(k)});
    const auto [object, child] = ui::win32::MsaaObject::eventIds(
        {static_cast<std::int16_t>(place.row * 9 + place.column), static_cast<std::int16_t>(part)});
    return {surface, object, child};
}

} // namespace

Control BoardProbe::cell(int b, int k) const { return partOf(surface(), b, k, ui::desktop::Part::none); }

Control BoardProbe::candidate(int b, int k, int i) const { return partOf(surface(), b, k, i); }

Control BoardProbe::label(int b, int k) const { return partOf(surface(), b, k, ui::desktop::Part::label); }

Control BoardProbe::reset() const { return {GetDlgItem(board_, controlId(designs::cmdReset))}; }

Control BoardProbe::fix() const { return {GetDlgItem(board_, controlId(designs::cmdFix))}; }

Control BoardProbe::unFix() const { return {GetDlgItem(board_, controlId(designs::cmdUnFix))}; }

VARIANT childId(LONG child)
{
    VARIANT id;
    VariantInit(&id);
    id.vt = VT_I4;
    id.lVal = child;
    return id;
}

IAccessible* accessibleOf(HWND window)
{
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&object))))
        return nullptr;
    return object;
}

LONG roleOf(IAccessible* object, LONG child)
{
    VARIANT role;
    VariantInit(&role);
    return SUCCEEDED(object->get_accRole(childId(child), &role)) && role.vt == VT_I4 ? role.lVal : -1;
}

std::wstring nameOf(IAccessible* object, LONG child)
{
    BSTR name = nullptr;
    std::wstring result = SUCCEEDED(object->get_accName(childId(child), &name)) && name ? name : L"";
    SysFreeString(name);
    return result;
}

namespace {

// The object that answers for a control and the child id to ask it with.
struct Found {
    IAccessible* object = nullptr;
    VARIANT child{};
    explicit Found(Control control)
    {
        VariantInit(&child);
        if (FAILED(AccessibleObjectFromEvent(control.window, control.object, control.child, &object, &child)))
            object = nullptr;
    }
    ~Found()
    {
        if (object)
            object->Release();
    }
    Found(const Found&) = delete;
    Found& operator=(const Found&) = delete;
};

} // namespace

// An object answers the focus, or the object inside it that holds it; a cell's
// object is found by its name.
Control BoardProbe::focus()
{
    Control focused{GetFocus()};
    IAccessible* object = focused.window ? accessibleOf(focused.window) : nullptr;
    VARIANT child;
    while (object && object->get_accFocus(&child) == S_OK) {
        object->Release();
        object = nullptr;
        if (child.vt == VT_I4) {
            focused.child = child.lVal;
        } else if (child.vt == VT_DISPATCH) {
            child.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&object));
            child.pdispVal->Release();
            int row = 0, column = 0;
            // "Row 4, column 7" in the user's language: its first two numbers.
            if (object)
                std::swscanf(nameOf(object, CHILDID_SELF).c_str(), L"%*[^0-9]%d%*[^0-9]%d", &row, &column);
            focused.object = (row - 1) * 9 + column;
        }
    }
    if (object)
        object->Release();
    return focused;
}

std::wstring BoardProbe::accessibleName(Control control)
{
    const Found found(control);
    if (!found.object)
        return L"(no accessible object)";
    BSTR name = nullptr;
    std::wstring result = SUCCEEDED(found.object->get_accName(found.child, &name)) && name ? name : L"";
    SysFreeString(name);
    return result;
}

long BoardProbe::accessibleState(Control control)
{
    const Found found(control);
    VARIANT state;
    VariantInit(&state);
    const HRESULT asked = found.object ? found.object->get_accState(found.child, &state) : E_FAIL;
    return SUCCEEDED(asked) && state.vt == VT_I4 ? state.lVal : -1;
}

void BoardProbe::pressForScreenReader(Control control)
{
    if (const Found found(control); found.object)
        found.object->accDoDefaultAction(found.child);
    pumpMessages();
}

RECT BoardProbe::screenRect(Control control)
{
    const Found found(control);
    LONG left = 0, top = 0, width = 0, height = 0;
    if (found.object && SUCCEEDED(found.object->accLocation(&left, &top, &width, &height, found.child)))
        return {left, top, left + width, top + height};
    return {};
}

std::pair<LONG, std::wstring> BoardProbe::holder(Control control)
{
    const Found found(control);
    if (!found.object)
        return {-1, L""};
    return {roleOf(found.object, CHILDID_SELF), nameOf(found.object, CHILDID_SELF)};
}

COLORREF BoardProbe::onScreen(Control candidate, int x, int y) const
{
    RedrawWindow(board_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    POINT at{screenRect(candidate).left + x, screenRect(candidate).top + y};
    ScreenToClient(candidate.window, &at);
    HDC dc = GetDC(candidate.window);
    const COLORREF color = GetPixel(dc, at.x, at.y);
    ReleaseDC(candidate.window, dc);
    return color;
}

// Just inside the two-pixel raised edge, clear of the caption and focus rectangle.
COLORREF BoardProbe::face(Control candidate) const { return onScreen(candidate, 2, 2); }

COLORREF BoardProbe::beneath(Control candidate) const { return onScreen(candidate, 0, 0); }

void BoardProbe::clickAt(Control control) const
{
    const RECT area = screenRect(control);
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

void mouseClicks(Control control, int count)
{
    const RECT area = BoardProbe::screenRect(control);
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

void BoardProbe::quickClick(Control control) const { mouseClicks(control, 1); }

void BoardProbe::doubleClick(Control control) const { mouseClicks(control, 2); }

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
    const auto* first = reinterpret_cast<const DWORD*>(copy.first);
    std::vector<DWORD> pixels(first, first + static_cast<std::size_t>(inner.right) * inner.bottom);
    copy.release();
    return pixels;
}

std::vector<COLORREF> BoardProbe::pixels(Control control, int inset) const
{
    RedrawWindow(board_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT area = screenRect(control);
    MapWindowPoints(HWND_DESKTOP, board_, reinterpret_cast<POINT*>(&area), 2);
    RECT inner;
    GetClientRect(board_, &inner);
    const std::vector<DWORD> all = picture();
    std::vector<COLORREF> square;
    for (LONG y = area.top + inset; y < area.bottom - inset; ++y)
        for (LONG x = area.left + inset; x < area.right - inset; ++x) {
            const DWORD bgra = all.at(static_cast<std::size_t>(y * inner.right + x));
            square.push_back(RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF));
        }
    return square;
}

// The dialog manager and the board read Shift from the thread's keyboard state.
void BoardProbe::pressKey(WPARAM key, bool shift) const
{
    BYTE keys[256];
    GetKeyboardState(keys);
    const BYTE shiftWas = keys[VK_SHIFT];
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    // Repeat count 1; the release also says the key was down and is now up.
    PostMessageW(focus, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    pumpMessages();
    keys[VK_SHIFT] = shiftWas;
    SetKeyboardState(keys);
}

void BoardProbe::typeKey(WORD key, bool ctrl, bool shift) const
{
    std::vector<INPUT> inputs;
    const auto add = [&inputs](WORD vk, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    const WORD held[] = {static_cast<WORD>(ctrl ? VK_CONTROL : 0), static_cast<WORD>(shift ? VK_SHIFT : 0)};
    for (const WORD vk : held)
        if (vk)
            add(vk, false);
    add(key, false);
    add(key, true);
    for (const WORD vk : held)
        if (vk)
            add(vk, true);
    SetForegroundWindow(board_);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    // Seen once the key went down and the last one is up again, whichever loop took its release.
    const WORD last = inputs.back().ki.wVk;
    const DWORD until = GetTickCount() + 5000;
    for (bool down = false; !(down && GetKeyState(last) >= 0) && GetTickCount() < until;) {
        MSG message;
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            continue;
        }
        down = down || ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) && message.wParam == key);
        if (message.message != WM_QUIT)
            ui::win32::deliver(message, programKeys());
    }
    pumpMessages();
}

void sendKeys(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (const WORD key : keys)
        for (const DWORD flags : {0ul, static_cast<DWORD>(KEYEVENTF_KEYUP)}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = key;
            input.ki.dwFlags = flags;
            inputs.push_back(input);
        }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void setClipboardText(const std::wstring& text)
{
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

std::wstring clipboardText()
{
    std::wstring text;
    OpenClipboard(nullptr);
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// The timer's identifier is the watch itself.
WindowWatch::WindowWatch(HWND timerWindow, const wchar_t* windowClass, std::function<void(HWND)> act)
    : timerWindow_(timerWindow),
      class_(windowClass),
      act_(std::move(act)),
      until_(GetTickCount() + 5000)
{
    SetTimer(timerWindow_, reinterpret_cast<UINT_PTR>(this), 50, &tick);
}

WindowWatch::~WindowWatch() { KillTimer(timerWindow_, reinterpret_cast<UINT_PTR>(this)); }

namespace {

using Search = std::pair<const std::wstring*, HWND>; // a class, and its shown window once found

BOOL CALLBACK findShown(HWND candidate, LPARAM search)
{
    auto& [wanted, shown] = *reinterpret_cast<Search*>(search);
    wchar_t name[64] = {};
    GetClassNameW(candidate, name, 64);
    if (IsWindowVisible(candidate) && *wanted == name)
        shown = candidate;
    return shown ? FALSE : TRUE;
}

} // namespace

void CALLBACK WindowWatch::tick(HWND window, UINT, UINT_PTR self, DWORD)
{
    auto& watch = *reinterpret_cast<WindowWatch*>(self);
    Search found{&watch.class_, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &findShown, reinterpret_cast<LPARAM>(&found));
    if (!found.second && GetTickCount() > watch.until_) {
        KillTimer(window, self);
        sendKeys({VK_ESCAPE});
        ADD_FAILURE() << "no window of class " << std::string(watch.class_.begin(), watch.class_.end())
                      << " showed within 5 s";
        return;
    }
    if (!found.second || watch.seen_)
        return;
    KillTimer(window, self);
    watch.seen_ = true;
    watch.act_(found.second);
}
