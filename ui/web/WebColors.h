#pragma once
#include <array>
#include <string_view>

#include "ui/SysColor.h"

// The page's one table of the design's system colours, light and dark: the page
// follows the browser's colour scheme as the desktop builds follow their system's
// colours. A browser's own CSS system colour keywords cannot stand in for them:
// most resolve to plain canvas or border colours (InfoBackground and AppWorkspace
// to white, ActiveBorder to black), which would make every new "9" look barred.
namespace ui::web {

struct WebColor {
    SysColor color;
    std::string_view light;
    std::string_view dark;
};

inline constexpr std::array<WebColor, 7> webColors{{
    {SysColor::ButtonFace, "#f0f0f0", "#3c3c3c"},
    {SysColor::WindowText, "#000000", "#e6e6e6"},
    {SysColor::ActiveBorder, "#b4b4b4", "#6e6e6e"},
    {SysColor::InfoBackground, "#ffffe1", "#2b2b26"},
    {SysColor::AppWorkspace, "#ababab", "#1c1c1c"},
    {SysColor::Light3D, "#e3e3e3", "#4b4b4b"},
    {SysColor::ButtonText, "#000000", "#f2f2f2"},
}};

} // namespace ui::web
