#pragma once
#include <algorithm>
#include <string_view>

#include "ui/SysColor.h"

// The board draws itself on either desktop through this one small table of
// primitives; each desktop carries them out in its own toolkit and decides
// nothing of what is drawn where. Lengths are whole pixels of the board's
// surface, its top left corner at 0, 0.
namespace ui::desktop {

struct Point {
    int x = 0, y = 0;
};

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;

    int right() const { return left + width; } // just past the last column
    int bottom() const { return top + height; }
    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(Point p) const { return p.x >= left && p.x < right() && p.y >= top && p.y < bottom(); }
    bool intersects(const Rect& r) const
    {
        return !empty() && !r.empty() && left < r.right() && r.left < right() && top < r.bottom() && r.top < bottom();
    }
    Rect moved(int dx, int dy) const { return {left + dx, top + dy, width, height}; }
    Rect inset(int by) const { return {left + by, top + by, width - 2 * by, height - 2 * by}; }
    Rect united(const Rect& r) const
    {
        if (empty())
            return r;
        if (r.empty())
            return *this;
        const int l = std::min(left, r.left), t = std::min(top, r.top);
        return {l, t, std::max(right(), r.right()) - l, std::max(bottom(), r.bottom()) - t};
    }
    bool operator==(const Rect&) const = default;
};

class Painter {
public:
    // A candidate's caption in the default control font, centred in its square;
    // a cell's digit in the label's large bold face, centred across the top.
    enum class Font { Caption, Digit };

    virtual ~Painter() = default;
    virtual void fill(const Rect& area, SysColor colour) = 0;
    // A button's edge: raised, or sunk while it is held down.
    virtual void edge(const Rect& area, bool sunk) = 0;
    // In `colour`, or embossed as a disabled caption is.
    virtual void text(const Rect& area, std::string_view text, Font font, SysColor colour, bool embossed) = 0;
    // The dotted frame of the keyboard focus, just inside `area`.
    virtual void focusFrame(const Rect& area) = 0;
};

} // namespace ui::desktop
