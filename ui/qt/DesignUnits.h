#pragma once
#include <QRect>
#include <QString>
#include <string_view>

#include "ui/Designs.h"

// The stored designs in Qt's terms. Lengths become device-independent pixels
// (twips / 15), which Qt scales on a high-dpi screen by itself.
namespace ui::qt {

inline int designPixels(int twips)
{
    constexpr int dpi = 96;
    return ui::designs::toPixels(twips, dpi);
}

inline QRect designRect(const ui::designs::Control& control)
{
    return {designPixels(control.left), designPixels(control.top), designPixels(control.width),
            designPixels(control.height)};
}

inline QString designText(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace ui::qt
