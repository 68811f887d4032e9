#include "ui/qt/DigitLabel.h"

#include <QPainter>

#include "ui/Designs.h"
#include "ui/qt/DesignFonts.h"
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

DigitLabel::DigitLabel(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void DigitLabel::setCaption(std::string_view caption)
{
    if (caption == caption_)
        return;
    caption_.assign(caption);
    text_ = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    update();
}

void DigitLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), systemColor(colours, ui::designs::lbl.face));
    if (text_.isEmpty())
        return;
    painter.setPen(systemColor(colours, ui::designs::lblText));
    painter.setFont(font());
    painter.drawText(rect(), horizontal(ui::designs::lblAlignment) | Qt::AlignTop, text_);
}

} // namespace ui::qt
