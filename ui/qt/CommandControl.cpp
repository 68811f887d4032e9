#include "ui/qt/CommandControl.h"

#include "ui/qt/SystemColors.h"

namespace ui::qt {

CommandControl::CommandControl(QPushButton& widget) : WidgetButton(widget, ui::SysColor::ButtonFace), button_(widget) {}

void CommandControl::showBackColor(ui::SysColor color)
{
    // The default face comes from the inherited palette, so it follows the theme.
    if (color == ui::SysColor::ButtonFace) {
        button_.setPalette(QPalette());
        return;
    }
    QPalette colours = button_.palette();
    colours.setColor(QPalette::Button, systemColor(colours, color));
    button_.setPalette(colours);
}

} // namespace ui::qt
