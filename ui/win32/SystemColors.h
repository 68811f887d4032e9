#pragma once
#include "ui/SysColor.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// A system colour value carries the window system's colour index in its low byte.
// Resolving it at every draw lets a change of the user's colours show at once.
inline int sysColorIndex(SysColor color) { return static_cast<int>(static_cast<std::uint32_t>(color) & 0xFF); }

inline COLORREF resolve(SysColor color) { return GetSysColor(sysColorIndex(color)); }

inline HBRUSH brushOf(SysColor color) { return GetSysColorBrush(sysColorIndex(color)); }

} // namespace ui::win32
