#include "ui/qt/DesignFonts.h"

#include <QFontDatabase>

#include "ui/qt/DesignUnits.h"

namespace ui::qt {

int designPixelSize(const ui::designs::Font& font)
{
    constexpr int pointsPerInch = 72;
    constexpr int dipPerInch = 96;
    constexpr int tenThousandths = 10000;
    return font.tenThousandthsOfPoint * dipPerInch / (pointsPerInch * tenThousandths);
}

QFont designFont(const ui::designs::Font& font)
{
    const QString family = designText(font.name);
    QFont result;
    if (QFontDatabase::hasFamily(family)) {
        result.setFamily(family);
    } else {
        result.setFamily(QStringLiteral("Sans Serif"));
        result.setStyleHint(QFont::SansSerif);
    }
    result.setPixelSize(designPixelSize(font));
    result.setWeight(static_cast<QFont::Weight>(font.weight));
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikethrough);
    return result;
}

} // namespace ui::qt
