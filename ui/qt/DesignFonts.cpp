#include "ui/qt/DesignFonts.h"

#include <QFontDatabase>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "ui/qt/DesignUnits.h"

namespace ui::qt {
namespace {

// Whether a face is installed, asked of the font database once per name: every
// question runs fontconfig's substitution rules, and the board asks for each of
// its 81 labels, which made this more than half the cost of building the window.
bool installed(std::string_view name)
{
    static std::map<std::string, bool, std::less<>> known;
    auto found = known.find(name);
    if (found == known.end())
        found = known.emplace(std::string(name), QFontDatabase::hasFamily(designText(name))).first;
    return found->second;
}

// Qt's device-independent pixel: a pixel of a screen at 96 dots per inch.
constexpr int dipPerInch = 96;

} // namespace

QFont designFont(const ui::designs::Font& font)
{
    QFont result;
    if (installed(font.name)) {
        result.setFamily(designText(font.name));
    } else {
        result.setFamily(QStringLiteral("Sans Serif"));
        result.setStyleHint(QFont::SansSerif);
    }
    result.setPixelSize(ui::designs::pointsToPixels(font.tenThousandthsOfPoint, dipPerInch));
    result.setWeight(static_cast<QFont::Weight>(font.weight));
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikethrough);
    return result;
}

} // namespace ui::qt
