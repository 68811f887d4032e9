#pragma once
#include <array>
#include <string_view>

#include "ui/Text.h"

// The board's context menu, the same on both desktops (the right button, the
// Menu key, Shift+F10): its entries and the keys that do the same anywhere in
// the window. The desktop board says which entries have something to do and
// carries out the one chosen; a front-end shows them in its platform's own menu.
namespace ui::desktop {

enum class MenuItem { Undo, Redo, Copy, Paste };

struct MenuEntry {
    MenuItem item;
    const char* caption;   // marked; shown through ui::_
    std::string_view keys; // shown beside the caption
};

inline constexpr std::array<MenuEntry, 4> boardMenu{{
    {MenuItem::Undo, ui::N_("Undo"), "Ctrl+Z"},
    {MenuItem::Redo, ui::N_("Redo"), "Ctrl+Shift+Z"},
    {MenuItem::Copy, ui::N_("Copy"), "Ctrl+C"},
    {MenuItem::Paste, ui::N_("Paste"), "Ctrl+V"},
}};

} // namespace ui::desktop
