#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "ui/SysColor.h"
#include "ui/Text.h"

// The stored designs of the board window, the box and the cell: every length in
// twips (1/1440 inch, 15 to a pixel at 96 dpi), every colour a system colour.
// Both front-ends build their widgets from these tables and nothing else, so the
// layout is written once. Left and Top are measured inside the container.
namespace ui::designs {

inline constexpr int twipsPerInch = 1440;

// Whole pixels at the given resolution; every stored length is a multiple of 15.
constexpr int toPixels(int twips, int dpi) { return twips * dpi / twipsPerInch; }

// A font's height in whole pixels at the given resolution, rounded to the nearest
// as the platform's own font mapper does.
constexpr int pointsToPixels(std::int32_t tenThousandthsOfPoint, int dpi)
{
    constexpr std::int64_t tenThousandthsPerInch = 72 * 10000;
    return static_cast<int>((std::int64_t{tenThousandthsOfPoint} * dpi + tenThousandthsPerInch / 2) /
                            tenThousandthsPerInch);
}

struct Control {
    std::int16_t index; // place in its control array; -1 for a single control
    int left, top, width, height;
    std::int16_t tabIndex;
    std::string_view caption; // empty for controls without one
    SysColor face;            // face or background when created
};

struct Font {
    std::string_view name;
    int weight; // 400 regular, 700 bold
    std::int32_t tenThousandthsOfPoint;
    int charset;
    bool italic, underline, strikethrough;
};

enum class Alignment { Left, Center, Right };

// The font every button caption uses: the platform's default control font.
inline constexpr Font defaultControlFont{"MS Sans Serif", 400, 82500, 0, false, false, false};

// ---- the board window Orvane_Main ----
struct Window {
    std::string_view caption;
    int innerWidth, innerHeight;
    SysColor back;
};
inline constexpr Window orvaneMain{"Form2", 9750, 8730, SysColor::InfoBackground};

inline constexpr std::array<Control, 9> usrcntGrid{{
    {0, 0, 0, 2835, 2835, 0, "", SysColor::AppWorkspace},
    {1, 2940, 0, 2835, 2835, 1, "", SysColor::AppWorkspace},
    {2, 5880, 0, 2835, 2835, 2, "", SysColor::AppWorkspace},
    {3, 0, 2940, 2835, 2835, 3, "", SysColor::AppWorkspace},
    {4, 2940, 2940, 2835, 2835, 4, "", SysColor::AppWorkspace},
    {5, 5880, 2940, 2835, 2835, 5, "", SysColor::AppWorkspace},
    {6, 0, 5880, 2835, 2835, 6, "", SysColor::AppWorkspace},
    {7, 2940, 5880, 2835, 2835, 7, "", SysColor::AppWorkspace},
    {8, 5880, 5880, 2835, 2835, 8, "", SysColor::AppWorkspace},
}};

// Ordinary command buttons with the platform's default face, one column right of the board.
// Their captions are shown in the player's language.
// Translators: empties the board. Each caption must fit a button 61 x 25 px in 8-point "MS Sans Serif".
inline constexpr Control cmdReset{-1, 8820, 60, 915, 375, 9, N_("Reset"), SysColor::ButtonFace};
// Translators: freezes every picked cell and shows its digit large. 61 x 25 px, as "Reset".
inline constexpr Control cmdFix{-1, 8820, 540, 915, 375, 10, N_("Fix"), SysColor::ButtonFace};
// Translators: thaws the frozen cells again. 61 x 25 px, as "Reset".
inline constexpr Control cmdUnFix{-1, 8820, 1020, 915, 375, 11, N_("Un-Fix"), SysColor::ButtonFace};

// ---- the box usrcntSquare: its background shows only in the gaps between cells ----
inline constexpr std::array<Control, 9> usrcntSquare{{
    {0, 0, 0, 915, 915, 0, "", SysColor::Light3D},
    {1, 960, 0, 915, 915, 1, "", SysColor::Light3D},
    {2, 1920, 0, 915, 915, 2, "", SysColor::Light3D},
    {3, 0, 960, 915, 915, 3, "", SysColor::Light3D},
    {4, 960, 960, 915, 915, 4, "", SysColor::Light3D},
    {5, 1920, 960, 915, 915, 5, "", SysColor::Light3D},
    {6, 0, 1920, 915, 915, 6, "", SysColor::Light3D},
    {7, 960, 1920, 915, 915, 7, "", SysColor::Light3D},
    {8, 1920, 1920, 915, 915, 8, "", SysColor::Light3D},
}};

// ---- the cell usrcntBlock: nine graphical candidate buttons over the label ----
inline constexpr std::array<Control, 9> btnBlock{{
    {0, 0, 0, 300, 300, 0, "1", SysColor::ButtonFace},
    {1, 300, 0, 300, 300, 1, "2", SysColor::ButtonFace},
    {2, 600, 0, 300, 300, 2, "3", SysColor::ButtonFace},
    {3, 0, 300, 300, 300, 3, "4", SysColor::ButtonFace},
    {4, 300, 300, 300, 300, 4, "5", SysColor::ButtonFace},
    {5, 600, 300, 300, 300, 5, "6", SysColor::ButtonFace},
    {6, 0, 600, 300, 300, 6, "7", SysColor::ButtonFace},
    {7, 300, 600, 300, 300, 7, "8", SysColor::ButtonFace},
    {8, 600, 600, 300, 300, 8, "9", SysColor::ActiveBorder},
}};

// The label covers the whole cell beneath the buttons. Its design caption "1" is
// replaced by the empty text when the cell is created, so it is never seen.
inline constexpr Control lbl{-1, 0, 0, 915, 915, 9, "1", SysColor::ButtonFace};
inline constexpr SysColor lblText = SysColor::ButtonText;
inline constexpr Font lblFont{"MS Sans Serif", 700, 412500, 0, false, false, false};
inline constexpr Alignment lblAlignment = Alignment::Center;

} // namespace ui::designs
