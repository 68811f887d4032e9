#!/usr/bin/python3
"""Asks an X window to close, as a window manager's close button does.

    x_window.py WINDOW [--icon] [--class NAME]

With --icon it first checks the window's icon (_NET_WM_ICON): every image in it
whose size is a whole multiple of 16 must be the icon design scaled by whole blocks.
With --class the window's class (WM_CLASS) must be NAME, the StartupWMClass by
which an X desktop ties the window to its menu entry.
Runs on Debian's own Python, which holds python3-xlib.
"""
import os
import sys

from Xlib import X, display, protocol

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "icon"))
import make_icon  # noqa: E402

DESIGN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "icon", "orvane-icon.txt")


def icon_images(cardinals):
    """The (size, argb pixels) images of an _NET_WM_ICON property: width, height,
    then width x height ARGB values, image after image."""
    images, at = [], 0
    while at + 2 <= len(cardinals):
        width, height = cardinals[at], cardinals[at + 1]
        images.append((width, height, cardinals[at + 2:at + 2 + width * height]))
        at += 2 + width * height
    return images


def check_icon(screen, window):
    prop = window.get_full_property(screen.intern_atom("_NET_WM_ICON"), X.AnyPropertyType)
    if prop is None:
        sys.exit("the window carries no icon")
    with open(DESIGN, encoding="utf-8") as f:
        design = make_icon.parse(f.read(), DESIGN)
    checked = []
    for width, height, pixels in icon_images(list(prop.value)):
        if width != height or width % make_icon.GRID:
            continue
        for n, argb in enumerate(pixels):
            colour = design.pixel(n % width, n // width, width)
            wanted = 0 if colour is make_icon.TRANSPARENT else 0xFF000000 | colour[0] << 16 | colour[1] << 8 | colour[2]
            if (argb & 0xFFFFFFFF) != wanted and not (colour is make_icon.TRANSPARENT and argb >> 24 == 0):
                sys.exit(f"the {width}x{width} window icon differs from the design at pixel {n}")
        checked.append(width)
    if not checked:
        sys.exit("the window icon holds no image of the design's sizes")
    print("window icon matches the design at", ", ".join(f"{s}x{s}" for s in checked))


def main(argv):
    screen = display.Display()
    window = screen.create_resource_object("window", int(argv[0]))
    if "--icon" in argv[1:]:
        check_icon(screen, window)
    if "--class" in argv[1:]:
        wanted = argv[argv.index("--class") + 1]
        instance_and_class = window.get_wm_class()
        if instance_and_class is None or instance_and_class[1] != wanted:
            sys.exit(f"the window's class is {instance_and_class}, not {wanted!r}")
        print(f"window class is {wanted!r}")
    protocols = screen.intern_atom("WM_PROTOCOLS")
    delete = screen.intern_atom("WM_DELETE_WINDOW")
    if delete not in (window.get_wm_protocols() or []):
        sys.exit("the window does not take WM_DELETE_WINDOW")
    message = protocol.event.ClientMessage(window=window, client_type=protocols,
                                           data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(message, event_mask=X.NoEventMask)
    # A round trip, not a flush: the server may drop what a client that has just
    # gone left unread, and the close would never reach the program.
    screen.sync()
    screen.close()


if __name__ == "__main__":
    main(sys.argv[1:])
