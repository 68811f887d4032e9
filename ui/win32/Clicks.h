#pragma once
#include "ui/Dispatch.h"
#include "ui/Event.h"
#include "ui/win32/FailureBox.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// A click of a control of the board: it enters the board through the one
// dispatch point, and then the board paints everything the click changed, at
// once and together, so that the player sees one change rather than the
// cells' paints as they come.
inline void clickAndShow(HWND control, const Event<>& click)
{
    dispatchClick(click, &showFailureBox);
    RedrawWindow(GetAncestor(control, GA_ROOT), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

} // namespace ui::win32
