#include "ui/win32/PlayerText.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <optional>

#include "ui/win32/Utf16.h"

namespace ui::win32 {
namespace {

std::string utf8Of(std::wstring_view text)
{
    if (text.empty())
        return {};
    const int units = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), units, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(std::max(bytes, 0)), '\0');
    if (bytes <= 0 ||
        WideCharToMultiByte(CP_UTF8, 0, text.data(), units, utf8.data(), bytes, nullptr, nullptr) != bytes)
        return {};
    return utf8;
}

std::wstring windowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Opens the clipboard, asking again while another program holds it open.
bool openClipboard(HWND owner)
{
    const ULONGLONG until = GetTickCount64() + clipboardPatienceMs;
    while (!OpenClipboard(owner)) {
        if (GetTickCount64() >= until)
            return false;
        Sleep(20);
    }
    return true;
}

} // namespace

// Every UTF-16 unit makes at least one byte of UTF-8, so `atMost` units are
// all the clipboard need give.
std::variant<std::string, PuzzleProblem> clipboardText(HWND owner, std::size_t atMost)
{
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT))
        return PuzzleProblem::noText();
    if (!openClipboard(owner))
        return PuzzleProblem::clipboardBusy();
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
            const std::size_t room = std::min<std::size_t>(GlobalSize(data) / sizeof(wchar_t), atMost);
            text = utf8Of({units, wcsnlen(units, room)});
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    if (!text)
        return PuzzleProblem::noText();
    if (text->size() > atMost)
        text->resize(atMost);
    return *text;
}

bool putOnClipboard(HWND owner, std::string_view text)
{
    std::string lines;
    for (const char c : text) {
        if (c == '\n')
            lines += '\r';
        lines += c;
    }
    const std::wstring wide = utf16(lines);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    // A few hundred bytes the system could not give: nothing to tell but that it is out of memory.
    if (!memory)
        return true;
    void* to = GlobalLock(memory);
    if (!to) {
        GlobalFree(memory);
        return true;
    }
    std::memcpy(to, wide.c_str(), bytes);
    GlobalUnlock(memory);
    // Once the clipboard has taken the memory, it is the clipboard's to free.
    const bool opened = openClipboard(owner);
    if (opened) {
        if (EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory))
            memory = nullptr;
        CloseClipboard();
    }
    if (memory)
        GlobalFree(memory);
    return opened;
}

void warnPlayer(HWND control, std::string_view message)
{
    HWND window = GetAncestor(control, GA_ROOT);
    MessageBoxW(window, utf16(message).c_str(), windowText(window).c_str(), MB_ICONWARNING | MB_OK);
}

} // namespace ui::win32
