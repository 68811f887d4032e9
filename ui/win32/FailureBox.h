#pragma once
#include "ui/Dispatch.h"
#include "ui/Event.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// Puts an internal error in front of the player before the program ends; the
// words also go to stderr, which a Windows program started from its icon lacks.
inline void showFailureBox(const char* message)
{
    MessageBoxA(nullptr, message, "Orvane: internal error", MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
}

// A click of a control of the board: it enters the board through the one
// dispatch point, and then the board paints what the click changed, at once and
// before the next input, so that the player sees the click's whole result.
inline void clickAndShow(HWND control, const Event<>& click)
{
    dispatchClick(click, &showFailureBox);
    RedrawWindow(GetAncestor(control, GA_ROOT), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

} // namespace ui::win32
