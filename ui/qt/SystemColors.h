#pragma once
#include <QColor>
#include <QPalette>

#include "ui/SysColor.h"

// The window system's colours, as this front-end finds them in the application
// palette. They are looked up whenever a widget paints, so a change of theme
// shows at once.
namespace ui::qt {

QPalette::ColorRole paletteRole(ui::SysColor color);

// Always from the Active group: a disabled widget's own group greys every colour,
// but a barred candidate must still show the window-text face.
QColor systemColor(const QPalette& palette, ui::SysColor color);

} // namespace ui::qt
