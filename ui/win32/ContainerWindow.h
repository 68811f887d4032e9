#pragma once
#include "ui/Designs.h"
#include "ui/SysColor.h"
#include "ui/win32/WindowsApi.h"

// Boxes and cells: child windows that only hold controls. They paint their
// background in a system colour and pass their children's notifications on to the
// children's objects. Tab and the dialog keys walk into them (WS_EX_CONTROLPARENT),
// so focus that enters one passes on to its first control.
namespace ui::win32 {

inline constexpr const wchar_t* containerWindowClass = L"OrvaneContainer";

void registerContainerClass(HINSTANCE instance);

HWND createContainer(HWND parent, const designs::Control& design, SysColor background, int dpi);

} // namespace ui::win32
