#include "ui/win32/MessageLoop.h"

#include <cstdlib>

namespace ui::win32 {

void deliver(MSG& message, HACCEL keys)
{
    HWND topLevel = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (topLevel && keys && TranslateAcceleratorW(topLevel, keys, &message))
        return;
    if (topLevel && IsDialogMessageW(topLevel, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int runMessageLoop(HACCEL keys)
{
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(message.wParam);
        if (got == -1)
            return EXIT_FAILURE;
        deliver(message, keys);
    }
}

} // namespace ui::win32
