#pragma once
#include <QFont>

#include "ui/Designs.h"

namespace ui::qt {

// A stored design font in device-independent pixels (points at 96 dots per inch),
// so that it is exact at 96 dpi and Qt scales it with everything else on a
// high-dpi screen. Where the named face is missing, a plain sans-serif face of the
// same size and weight stands in.
QFont designFont(const ui::designs::Font& font);

} // namespace ui::qt
