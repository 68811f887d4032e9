#pragma once
#include <algorithm>

#include "ui/Designs.h"

// Places in whole pixels: on the board's surface, its top left corner at 0, 0, or
// of a control within its container.
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

// Where a stored design puts a control, in pixels at `dpi`, within its container.
constexpr Rect toPixels(const designs::Control& design, int dpi)
{
    return {designs::toPixels(design.left, dpi), designs::toPixels(design.top, dpi),
            designs::toPixels(design.width, dpi), designs::toPixels(design.height, dpi)};
}

} // namespace ui::desktop
