#include "ui/qt/CandidateButton.h"

#include <QPainter>
#include <QPen>
#include <utility>

#include "ui/qt/SystemColors.h"

namespace ui::qt {

CandidateButton::CandidateButton(ui::SysColor face, QWidget* parent) : QAbstractButton(parent), face_(face)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void CandidateButton::setFace(ui::SysColor face)
{
    if (face == face_)
        return;
    face_ = face;
    update();
}

void CandidateButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), systemColor(colours, face_));
    paintEdge(painter);

    painter.setFont(font());
    if (isEnabled()) {
        painter.setPen(colours.color(QPalette::Active, QPalette::ButtonText));
        const int sunk = isDown() ? 1 : 0;
        painter.drawText(rect().translated(sunk, sunk), Qt::AlignCenter, text());
    } else {
        // A barred candidate sits on the window-text colour. Its digit is embossed
        // as a disabled caption is, greyed over a light shadow, so it still reads there.
        painter.setPen(colours.color(QPalette::Active, QPalette::Light));
        painter.drawText(rect().translated(1, 1), Qt::AlignCenter, text());
        painter.setPen(colours.color(QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(rect(), Qt::AlignCenter, text());
    }

    if (hasFocus())
        paintFocusFrame(painter);
}

void CandidateButton::paintEdge(QPainter& painter) const
{
    const QPalette& colours = palette();
    QColor upper = colours.color(QPalette::Active, QPalette::Light);
    QColor lower = colours.color(QPalette::Active, QPalette::Shadow);
    if (isDown())
        std::swap(upper, lower);
    const int w = width();
    const int h = height();
    painter.fillRect(0, 0, w, 1, upper);
    painter.fillRect(0, 0, 1, h, upper);
    painter.fillRect(0, h - 1, w, 1, lower);
    painter.fillRect(w - 1, 0, 1, h, lower);
    if (!isDown()) {
        const QColor dark = colours.color(QPalette::Active, QPalette::Dark);
        painter.fillRect(1, h - 2, w - 2, 1, dark);
        painter.fillRect(w - 2, 1, 1, h - 2, dark);
    }
}

void CandidateButton::paintFocusFrame(QPainter& painter) const
{
    QPen pen(palette().color(QPalette::Active, QPalette::ButtonText));
    pen.setStyle(Qt::DotLine);
    pen.setWidth(1);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
}

} // namespace ui::qt
