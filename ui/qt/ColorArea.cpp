#include "ui/qt/ColorArea.h"

#include <QPaintEvent>
#include <QPainter>

#include "ui/qt/SystemColors.h"

namespace ui::qt {

ColorArea::ColorArea(ui::SysColor back, QWidget* parent) : QWidget(parent), back_(back)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColorArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), systemColor(palette(), back_));
}

} // namespace ui::qt
