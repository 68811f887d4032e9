#include "ui/win32/ContextMenu.h"

#include <string>
#include <vector>
#include <windowsx.h>

#include "ui/Text.h"
#include "ui/desktop/BoardMenu.h"
#include "ui/win32/Utf16.h"

namespace ui::win32 {
namespace {
constexpr WORD firstKeyIdentifier = 101;
}

void openBoardMenu(HWND surface, LPARAM at, ui::desktop::DrawnBoard& board)
{
    using ui::desktop::boardMenu;
    POINT place{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (at == -1) {
        const ui::desktop::Rect focus = board.placeOf(board.focus());
        place = {focus.left, focus.bottom()};
        ClientToScreen(surface, &place);
    }
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return;
    // An entry's command is its place in the menu plus one: 0 is nothing chosen.
    UINT_PTR command = 0;
    for (const ui::desktop::MenuEntry& entry : boardMenu) {
        const std::wstring text = utf16(std::string(ui::_(entry.caption)) + '\t' + ui::shownKeys(entry.item));
        const UINT state = board.offers(entry.item) ? MF_ENABLED : MF_GRAYED;
        AppendMenuW(menu, MF_STRING | state, ++command, text.c_str());
    }
    const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, place.x,
                                      place.y, 0, surface, nullptr);
    DestroyMenu(menu);
    if (chosen > 0 && static_cast<std::size_t>(chosen) <= boardMenu.size())
        board.choose(boardMenu[static_cast<std::size_t>(chosen) - 1].item);
}

HACCEL boardMenuKeys()
{
    static const HACCEL keys = [] {
        std::vector<ACCEL> table;
        for (const ui::KeyChord& chord : ui::commandKeys)
            table.push_back(
                {static_cast<BYTE>(FVIRTKEY | (chord.ctrl ? FCONTROL : 0) | (chord.shift ? FSHIFT : 0)),
                 static_cast<WORD>(chord.key == ui::CommandKey::Insert ? VK_INSERT : static_cast<int>(chord.key)),
                 static_cast<WORD>(firstKeyIdentifier + static_cast<WORD>(chord.command))});
        return CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
    }();
    return keys;
}

std::optional<ui::desktop::MenuItem> menuItemOfKey(WORD identifier)
{
    for (const ui::desktop::MenuEntry& entry : ui::desktop::boardMenu)
        if (identifier == firstKeyIdentifier + static_cast<WORD>(entry.item))
            return entry.item;
    return std::nullopt;
}

} // namespace ui::win32
