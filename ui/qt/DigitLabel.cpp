#include "ui/qt/DigitLabel.h"

#include <QPainter>

#include "ui/Designs.h"
#include "ui/qt/CellWidget.h"
#include "ui/qt/DesignFonts.h"
#include "ui/qt/DesignUnits.h"
#include "ui/qt/SystemColors.h"

namespace ui::qt {
namespace {

Qt::Alignment horizontal(ui::designs::Alignment alignment)
{
    switch (alignment) {
    case ui::designs::Alignment::Left: return Qt::AlignLeft;
    case ui::designs::Alignment::Center: return Qt::AlignHCenter;
    case ui::designs::Alignment::Right: return Qt::AlignRight;
    }
    return Qt::AlignHCenter;
}

} // namespace

DigitLabel::DigitLabel(CellWidget& cell) : ChangedOnlyLabel(""), cell_(cell) {}

QRect DigitLabel::geometry() const { return designRect(ui::designs::lbl); }

QString DigitLabel::accessibleName() const
{
    return text_.isEmpty() ? QString() : QString::fromStdString(ui::digitName(cell_.place(), text_.toStdString()));
}

const QFont& DigitLabel::font() const
{
    // Every label has the same face, made when first drawn or asked for. It is
    // never destroyed, so that it does not outlive the application's fonts.
    static const QFont* const face = new QFont(designFont(ui::designs::lblFont));
    return *face;
}

void DigitLabel::showCaption(const std::string& caption)
{
    text_ = QString::fromStdString(caption);
    cell_.labelChanged();
}

void DigitLabel::paint(QPainter& painter) const
{
    const QPalette& colours = cell_.palette();
    const QRect area = geometry();
    painter.fillRect(area, systemColor(colours, ui::designs::lbl.face));
    if (text_.isEmpty())
        return;
    painter.setPen(systemColor(colours, ui::designs::lblText));
    painter.setFont(font());
    painter.drawText(area, horizontal(ui::designs::lblAlignment) | Qt::AlignTop, text_);
}

} // namespace ui::qt
