#pragma once
#include <algorithm>
#include <array>
#include <cstddef>

#include "ui/BoardPlace.h"
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

// Where the designs put the board's nine boxes, its 81 cells (by their place row
// by row, as rowMajor counts them) and a cell's nine candidates, at `dpi`.
class BoardLayout {
public:
    explicit BoardLayout(int dpi)
    {
        for (std::int16_t b = 0; b < 9; ++b) {
            const Rect box = toPixels(designs::usrcntGrid.at(static_cast<std::size_t>(b)), dpi);
            boxes_.at(static_cast<std::size_t>(b)) = box;
            bounds_ = bounds_.united(box);
            for (std::int16_t k = 0; k < 9; ++k)
                cells_.at(static_cast<std::size_t>(rowMajor(rowColumnOf({b, k})))) =
                    toPixels(designs::usrcntSquare.at(static_cast<std::size_t>(k)), dpi).moved(box.left, box.top);
        }
        for (std::size_t i = 0; i < candidates_.size(); ++i)
            candidates_.at(i) = toPixels(designs::btnBlock.at(i), dpi);
    }

    // The nine boxes and the gaps between them.
    Rect bounds() const { return bounds_; }
    Rect box(int b) const { return boxes_.at(static_cast<std::size_t>(b)); }
    Rect cell(int n) const { return cells_.at(static_cast<std::size_t>(n)); }
    Rect candidate(int i) const { return candidates_.at(static_cast<std::size_t>(i)); } // within its cell

private:
    Rect bounds_;
    std::array<Rect, 9> boxes_{};
    std::array<Rect, 81> cells_{};
    std::array<Rect, 9> candidates_{};
};

} // namespace ui::desktop
