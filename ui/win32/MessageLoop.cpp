#include "ui/win32/MessageLoop.h"

#include <cstdlib>

#include "ui/win32/ChildControl.h"
#include "ui/win32/PaintPass.h"

namespace ui::win32 {

namespace {

void deliverOne(MSG& message)
{
    HWND topLevel = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (topLevel && IsDialogMessageW(topLevel, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

} // namespace

// A press on the board takes the focus and shows the button pressed; a release
// that follows at once shows it released again and clicks it. Each such message
// shows in one paint pass with what it leads to. When the release is already
// waiting over the pressed button, as in a quick click, the press, the focus,
// the release and the click's writes all show together in one pass, and the
// button is clicked at once (ChildControl::click); a button held down shows
// pressed as soon as it is pressed.
void deliver(MSG& message)
{
    const UINT kind = message.message;
    const bool press = kind == WM_LBUTTONDOWN || kind == WM_LBUTTONDBLCLK;
    if ((!press && kind != WM_LBUTTONUP && kind != WM_KEYDOWN && kind != WM_KEYUP) ||
        !PaintPass::onBoard(message.hwnd)) {
        deliverOne(message);
        return;
    }
    const PaintPass pass(message.hwnd);
    MSG release;
    const bool released = press && PeekMessageW(&release, nullptr, 0, 0, PM_NOREMOVE | PM_NOYIELD) &&
                          release.message == WM_LBUTTONUP;
    const auto takeRelease = [&] {
        return PeekMessageW(&release, release.hwnd, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE | PM_NOYIELD);
    };
    if (released && release.hwnd == message.hwnd && ChildControl::clickable(message.hwnd) && takeRelease()) {
        ChildControl::click(message.hwnd);
        return;
    }
    deliverOne(message);
    if (released && takeRelease())
        deliverOne(release);
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
