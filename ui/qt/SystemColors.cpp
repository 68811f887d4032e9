#include "ui/qt/SystemColors.h"

namespace ui::qt {

QPalette::ColorRole paletteRole(ui::SysColor color)
{
    using ui::SysColor;
    switch (color) {
    case SysColor::ButtonFace: return QPalette::Button;
    case SysColor::WindowText: return QPalette::WindowText;
    case SysColor::ButtonText: return QPalette::ButtonText;
    case SysColor::InfoBackground: return QPalette::ToolTipBase;
    // The three greys keep their order from light to dark: a cell's 3D light is
    // lighter than a window's active border, which is lighter than the workspace.
    case SysColor::Light3D: return QPalette::Midlight;
    case SysColor::ActiveBorder: return QPalette::Mid;
    case SysColor::AppWorkspace: return QPalette::Dark;
    case SysColor::ButtonHighlight: return QPalette::Light;
    case SysColor::ButtonShadow: return QPalette::ButtonText; // of the Disabled group, as below
    }
    return QPalette::Button;
}

QColor systemColor(const QPalette& palette, ui::SysColor color)
{
    // The shadow of an embossed caption is the grey Qt writes a disabled caption in.
    if (color == ui::SysColor::ButtonShadow)
        return palette.color(QPalette::Disabled, QPalette::ButtonText);
    return palette.color(QPalette::Active, paletteRole(color));
}

} // namespace ui::qt
