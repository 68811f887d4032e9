#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "app/PuzzleProblem.h"

#include "ui/win32/WindowsApi.h"

// Text that passes between the player and the board outside the board itself: the
// clipboard's, both ways, and a warning in the system's message box. The board
// speaks UTF-8 with "\n" line ends; Windows, UTF-16 with "\r\n".
namespace ui::win32 {

// Another program may hold the clipboard open for a moment (a clipboard manager,
// a remote desktop's clipboard sync), so the board asks again for up to this long
// before it tells the player the clipboard is busy.
inline constexpr DWORD clipboardPatienceMs = 1000;

// The clipboard's text as UTF-8, no more than `atMost` bytes, read no further
// than that needs; else why not: it holds no text, or another program held it
// open all the while. `owner` is the window that asks.
std::variant<std::string, PuzzleProblem> clipboardText(HWND owner, std::size_t atMost);

// Puts UTF-8 text on the clipboard, every line ended as Windows ends lines;
// false where another program held it open all the while.
bool putOnClipboard(HWND owner, std::string_view text);

// A warning in the message box of the window that holds `control`, under that
// window's caption; Return or Escape closes it.
void warnPlayer(HWND control, std::string_view message);

} // namespace ui::win32
