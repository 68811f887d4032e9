#pragma once
#include "ui/Designs.h"
#include "ui/desktop/Geometry.h"
#include "ui/win32/WindowsApi.h"

// Child windows of the board window at their places, in pixels of the window's
// resolution. Nothing here computes a layout: it only converts the stored twips.
namespace ui::win32 {

// Every child window's identifier is its tab position plus one (0 is no identifier),
// so GetDlgItem finds a control by its place in the design.
inline int controlId(const designs::Control& control) { return control.tabIndex + 1; }

// A child window at `place`. Throws when the window system refuses.
HWND createChild(const wchar_t* windowClass, const wchar_t* caption, const ui::desktop::Rect& place, int id,
                 HWND parent, DWORD style, void* createParam = nullptr);

// A child window at its place in the design, with its caption.
HWND createChild(const wchar_t* windowClass, const designs::Control& control, HWND parent, int dpi, DWORD style);

} // namespace ui::win32
