#pragma once
#include "ui/Designs.h"
#include "ui/SysColor.h"
#include "ui/win32/WindowsApi.h"

// Boxes: child windows that only hold cells. They paint their background in a
// system colour, which shows in the gaps between the cells. Tab and the dialog
// keys walk into them (WS_EX_CONTROLPARENT), so focus that enters one passes on
// to its first cell.
namespace ui::win32 {

inline constexpr const wchar_t* containerWindowClass = L"OrvaneContainer";

void registerContainerClass(HINSTANCE instance);

HWND createContainer(HWND parent, const designs::Control& design, SysColor background, int dpi);

} // namespace ui::win32
