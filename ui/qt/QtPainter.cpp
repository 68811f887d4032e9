#include "ui/qt/QtPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <utility>

#include "ui/qt/DesignUnits.h"
#include "ui/qt/SystemColors.h"

namespace ui::qt {
namespace {

QRect toQt(const ui::desktop::Rect& r) { return {r.left, r.top, r.width, r.height}; }

} // namespace

// Centred as a single line of the font's full height, to the same pixels as
// drawing the text centred in the square would put it.
CaptionLayouts::CaptionLayouts(const QFont& font) : font(font)
{
    const QFontMetricsF metrics(font);
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        const QString text = designText(ui::designs::btnBlock.at(i).caption);
        layouts.at(i).setText(text);
        layouts.at(i).setTextFormat(Qt::PlainText);
        sizes.at(i) = QSizeF(metrics.horizontalAdvance(text), metrics.height());
    }
}

QtPainter::QtPainter(QPainter& painter, const QPalette& colours, const CaptionLayouts& captions, const QFont& digitFont)
    : painter_(painter),
      colours_(colours),
      captions_(captions),
      digitFont_(digitFont)
{
    painter_.setFont(captions_.font);
}

void QtPainter::clip(const ui::desktop::Rect& area) { painter_.setClipRect(toQt(area)); }

void QtPainter::fill(const ui::desktop::Rect& area, ui::SysColor colour)
{
    painter_.fillRect(toQt(area), systemColor(colours_, colour));
}

void QtPainter::edge(const ui::desktop::Rect& area, bool sunk)
{
    QColor upper = colours_.color(QPalette::Active, QPalette::Light);
    QColor lower = colours_.color(QPalette::Active, QPalette::Shadow);
    if (sunk)
        std::swap(upper, lower);
    const int x = area.left, y = area.top, w = area.width, h = area.height;
    painter_.fillRect(x, y, w, 1, upper);
    painter_.fillRect(x, y, 1, h, upper);
    painter_.fillRect(x, y + h - 1, w, 1, lower);
    painter_.fillRect(x + w - 1, y, 1, h, lower);
    if (!sunk) {
        const QColor dark = colours_.color(QPalette::Active, QPalette::Dark);
        painter_.fillRect(x + 1, y + h - 2, w - 2, 1, dark);
        painter_.fillRect(x + w - 2, y + 1, 1, h - 2, dark);
    }
}

void QtPainter::caption(const ui::desktop::Rect& area, int index, ui::SysColor colour)
{
    const auto n = static_cast<std::size_t>(index);
    const QSizeF size = captions_.sizes.at(n);
    painter_.setPen(systemColor(colours_, colour));
    painter_.drawStaticText(
        QPointF(area.left + (area.width - size.width()) / 2, area.top + (area.height - size.height()) / 2),
        captions_.layouts.at(n));
}

void QtPainter::label(const ui::desktop::Rect& area, std::string_view text, ui::SysColor colour)
{
    painter_.setFont(digitFont_);
    painter_.setPen(systemColor(colours_, colour));
    painter_.drawText(toQt(area), Qt::AlignHCenter | Qt::AlignTop, designText(text));
    painter_.setFont(captions_.font);
}

void QtPainter::focusFrame(const ui::desktop::Rect& area)
{
    QPen pen(colours_.color(QPalette::Active, QPalette::ButtonText));
    pen.setStyle(Qt::DotLine);
    pen.setWidth(1);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(toQt(area).adjusted(0, 0, -1, -1));
}

} // namespace ui::qt
