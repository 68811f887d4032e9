#pragma once
#include <cstdint>

namespace ui {

// The platform's system colours, by the values the window system knows them by.
// A front-end resolves them when it draws, so a theme change follows at once.
enum class SysColor : std::uint32_t {
    ButtonFace = 0x8000000F,
    WindowText = 0x80000008,
    ActiveBorder = 0x8000000A,
    InfoBackground = 0x80000018,
    AppWorkspace = 0x8000000C,
    Light3D = 0x80000016,
    ButtonText = 0x80000012,
    ButtonHighlight = 0x80000014, // the light and the dark of an embossed, disabled caption
    ButtonShadow = 0x80000010,
};

} // namespace ui
