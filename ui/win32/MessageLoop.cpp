#include "ui/win32/MessageLoop.h"

#include <cstdlib>

namespace ui::win32 {

void deliver(MSG& message)
{
    HWND topLevel = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (topLevel && IsDialogMessageW(topLevel, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int runMessageLoop()
{
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(message.wParam);
        if (got == -1)
            return EXIT_FAILURE;
        deliver(message);
    }
}

} // namespace ui::win32
