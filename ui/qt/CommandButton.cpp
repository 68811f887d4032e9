#include "ui/qt/CommandButton.h"

#include "ui/qt/SystemColors.h"

namespace ui::qt {

CommandButton::CommandButton(QPushButton& widget, ui::desktop::DrawnBoard& board, void (History::*command)())
    : ChangedOnlyButton(ui::SysColor::ButtonFace),
      button_(widget)
{
    QObject::connect(&button_, &QAbstractButton::clicked, &button_, [&board, command] { board.command(command); });
}

void CommandButton::showBackColor(ui::SysColor color)
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
