#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "ui/win32/WindowsApi.h"

// Text that passes between the player and the board outside the board itself: the
// clipboard's, both ways, and a warning in the system's message box. The board
// speaks UTF-8 with "\n" line ends; Windows, UTF-16 with "\r\n".
namespace ui::win32 {

// The clipboard's text as UTF-8, no more than `atMost` bytes, read no further
// than that needs; nothing where it holds no text, or while another program
// holds it open. `owner` is the window that asks.
std::optional<std::string> clipboardText(HWND owner, std::size_t atMost);

// Puts UTF-8 text on the clipboard, every line ended as Windows ends lines.
void putOnClipboard(HWND owner, std::string_view text);

// A warning in the message box of the window that holds `control`, under that
// window's caption; Return or Escape closes it.
void warnPlayer(HWND control, std::string_view message);

} // namespace ui::win32
