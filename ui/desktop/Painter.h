#pragma once
#include <string_view>

#include "ui/SysColor.h"
#include "ui/desktop/Geometry.h"

// The board draws itself on either desktop through this one small table of
// primitives; each desktop carries them out in its own toolkit and decides
// nothing of what is drawn where. Lengths are whole pixels of the board's
// surface, its top left corner at 0, 0.
namespace ui::desktop {

class Painter {
public:
    virtual ~Painter() = default;
    // What follows is drawn only within `area`, until the next clip.
    virtual void clip(const Rect& area) = 0;
    virtual void fill(const Rect& area, SysColor colour) = 0;
    // A button's edge: raised, or sunk while it is held down.
    virtual void edge(const Rect& area, bool sunk) = 0;
    // Candidate caption `index`, "1" to "9", in the default control font, centred in `area`.
    virtual void caption(const Rect& area, int index, SysColor colour) = 0;
    // A label's text in its large bold face, centred across the top of `area`.
    virtual void label(const Rect& area, std::string_view text, SysColor colour) = 0;
    // The dotted frame of the keyboard focus, just inside `area`.
    virtual void focusFrame(const Rect& area) = 0;
};

} // namespace ui::desktop
