#include <X11/Xlib.h>
#include <cstdio>
#include <cstdlib>

// Asks a window to close as a window manager's close button does: a WM_DELETE_WINDOW
// message under WM_PROTOCOLS, which Qt answers by closing the window the ordinary
// way. A virtual display has no window manager to do it, and destroying the window
// or killing its client would skip the program's own way out.
//   close_window WINDOW-ID
int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: close_window WINDOW-ID\n");
        return 2;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "close_window: cannot open the display\n");
        return 1;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    return sent ? 0 : 1;
}
