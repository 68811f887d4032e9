#pragma once
#include "ui/Designs.h"
#include "ui/win32/WindowsApi.h"

// Where a control of the stored designs goes, in pixels of a window's resolution.
// Nothing here computes a layout: it only converts the stored twips.
namespace ui::win32 {

struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
};

inline PixelRect toPixels(const designs::Control& control, int dpi)
{
    return {designs::toPixels(control.left, dpi), designs::toPixels(control.top, dpi),
            designs::toPixels(control.width, dpi), designs::toPixels(control.height, dpi)};
}

// Every child window's identifier is its tab position plus one (0 is no identifier),
// so GetDlgItem finds a control by its place in the design.
inline int controlId(const designs::Control& control) { return control.tabIndex + 1; }

// A child window at its place in the design. Throws when the window system refuses.
HWND createChild(const wchar_t* windowClass, const designs::Control& control, HWND parent, int dpi,
                 DWORD style, DWORD exStyle = 0, void* createParam = nullptr);

} // namespace ui::win32
