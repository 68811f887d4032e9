#include "ui/win32/ContextMenu.h"

#include <string>
#include <windowsx.h>

#include "ui/Text.h"
#include "ui/desktop/BoardMenu.h"
#include "ui/win32/Utf16.h"

namespace ui::win32 {

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
        const std::wstring text = utf16(std::string(ui::_(entry.caption)) + '\t' + std::string(entry.keys));
        const UINT state = board.offers(entry.item) ? MF_ENABLED : MF_GRAYED;
        AppendMenuW(menu, MF_STRING | state, ++command, text.c_str());
    }
    const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, place.x,
                                      place.y, 0, surface, nullptr);
    DestroyMenu(menu);
    if (chosen > 0 && static_cast<std::size_t>(chosen) <= boardMenu.size())
        board.choose(boardMenu[static_cast<std::size_t>(chosen) - 1].item);
}

} // namespace ui::win32
