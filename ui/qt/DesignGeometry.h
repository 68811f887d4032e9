#pragma once
#include <QRect>

#include "ui/Designs.h"

namespace ui::qt {

// A control's stored place in device-independent pixels (twips / 15). Qt scales
// these on a high-dpi screen by itself.
inline QRect designRect(const ui::designs::Control& control)
{
    constexpr int dpi = 96;
    using ui::designs::toPixels;
    return {toPixels(control.left, dpi), toPixels(control.top, dpi), toPixels(control.width, dpi),
            toPixels(control.height, dpi)};
}

} // namespace ui::qt
