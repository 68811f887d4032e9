#pragma once
#include <array>

#include "ui/CommandKeys.h"
#include "ui/Text.h"

// The board's context menu, the same on both desktops (the right button, the
// Menu key, Shift+F10): its entries, each beside the keys that do the same
// anywhere in the window (CommandKeys.h). The desktop board says which entries
// have something to do and carries out the one chosen; a front-end shows them in
// its platform's own menu.
namespace ui::desktop {

using MenuItem = ui::Command;

struct MenuEntry {
    MenuItem item;
    const char* caption; // marked; shown through ui::_
};

inline constexpr std::array<MenuEntry, 4> boardMenu{{
    {MenuItem::Undo, ui::N_("Undo")},
    {MenuItem::Redo, ui::N_("Redo")},
    {MenuItem::Copy, ui::N_("Copy")},
    {MenuItem::Paste, ui::N_("Paste")},
}};

} // namespace ui::desktop
