#pragma once
#include "ui/Dispatch.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// Puts an internal error in front of the player before the program ends; the
// words also go to stderr, which a Windows program started from its icon lacks.
// They are turned into UTF-16 on the stack: the failure may be for want of memory.
inline void showFailureBox(const char* message)
{
    wchar_t title[128] = {};
    wchar_t text[1024] = L"";
    MultiByteToWideChar(CP_UTF8, 0, failureWords().title, -1, title, 128);
    MultiByteToWideChar(CP_UTF8, 0, message, -1, text, 1024);
    title[127] = L'\0';
    text[1023] = L'\0';
    MessageBoxW(nullptr, text, title, MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
}

// An action of the player on the board (a click, a command, undo or redo): it
// enters the board through the one dispatch point, and then the board paints
// what it changed, at once and before the next input, so that the player sees
// the action's whole result.
template <class Call>
auto actAndShow(HWND control, Call call)
{
    // The paint comes once the action has returned, whatever it returns.
    struct PaintAfter {
        HWND root;
        ~PaintAfter() { RedrawWindow(root, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }
    } paint{GetAncestor(control, GA_ROOT)};
    return dispatch(call, &showFailureBox);
}

} // namespace ui::win32
