#pragma once
#include <QRect>
#include <QString>
#include <string_view>

#include "ui/Designs.h"
#include "ui/desktop/Geometry.h"

// The stored designs in Qt's terms. Lengths become device-independent pixels
// (twips / 15), which Qt scales on a high-dpi screen by itself.
namespace ui::qt {

// Qt's device-independent pixels are the designs' pixels at 96 dots per inch.
inline constexpr int designDpi = 96;

inline int designPixels(int twips) { return ui::designs::toPixels(twips, designDpi); }

inline QRect designRect(const ui::designs::Control& control)
{
    const ui::desktop::Rect place = ui::desktop::toPixels(control, designDpi);
    return {place.left, place.top, place.width, place.height};
}

inline QString designText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace ui::qt
