#include "ui/qt/DesignFonts.h"

#include <QStringList>

#include "ui/qt/DesignUnits.h"

namespace ui::qt {
namespace {

// Qt's device-independent pixel: a pixel of a screen at 96 dots per inch.
constexpr int dipPerInch = 96;

} // namespace

QFont designFont(const ui::designs::Font& font)
{
    QFont result;
    // The named face first and a plain sans-serif face behind it: Qt takes the
    // first one installed when it first draws with the font. Asking the font
    // database here instead would load fontconfig's whole configuration before
    // the window could even be shown.
    result.setFamilies({designText(font.name), QStringLiteral("Sans Serif")});
    result.setStyleHint(QFont::SansSerif);
    result.setPixelSize(ui::designs::pointsToPixels(font.tenThousandthsOfPoint, dipPerInch));
    result.setWeight(static_cast<QFont::Weight>(font.weight));
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikethrough);
    return result;
}

} // namespace ui::qt
