#include "ui/qt/CellPainting.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QSizeF>
#include <QStaticText>
#include <array>
#include <deque>
#include <utility>

#include "ui/Designs.h"
#include "ui/qt/DesignFonts.h"
#include "ui/qt/DesignUnits.h"
#include "ui/qt/SystemColors.h"

namespace ui::qt {

struct CaptionLayouts {
    QFont font;
    std::array<QStaticText, ui::DrawnCell::size> layouts;
    // The sizes by which they are centred.
    std::array<QSizeF, ui::DrawnCell::size> sizes;
};

namespace {

const ui::designs::Control& designOf(std::int16_t index)
{
    return ui::designs::btnBlock.at(static_cast<std::size_t>(index));
}

Qt::Alignment horizontal(ui::designs::Alignment alignment)
{
    switch (alignment) {
    case ui::designs::Alignment::Left: return Qt::AlignLeft;
    case ui::designs::Alignment::Center: return Qt::AlignHCenter;
    case ui::designs::Alignment::Right: return Qt::AlignRight;
    }
    return Qt::AlignHCenter;
}

void paintEdge(QPainter& painter, const QPalette& colours, QRect area, bool down)
{
    QColor upper = colours.color(QPalette::Active, QPalette::Light);
    QColor lower = colours.color(QPalette::Active, QPalette::Shadow);
    if (down)
        std::swap(upper, lower);
    const int x = area.x();
    const int y = area.y();
    const int w = area.width();
    const int h = area.height();
    painter.fillRect(x, y, w, 1, upper);
    painter.fillRect(x, y, 1, h, upper);
    painter.fillRect(x, y + h - 1, w, 1, lower);
    painter.fillRect(x + w - 1, y, 1, h, lower);
    if (!down) {
        const QColor dark = colours.color(QPalette::Active, QPalette::Dark);
        painter.fillRect(x + 1, y + h - 2, w - 2, 1, dark);
        painter.fillRect(x + w - 2, y + 1, 1, h - 2, dark);
    }
}

void paintCaption(QPainter& painter, const QPalette& colours, QRect area, const QStaticText& caption, QSizeF size,
                  const ui::DrawnCell::Look& look)
{
    const QPointF centred(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
    if (look.enabled) {
        painter.setPen(colours.color(QPalette::Active, QPalette::ButtonText));
        const qreal sunk = look.down ? 1 : 0;
        painter.drawStaticText(centred + QPointF(sunk, sunk), caption);
    } else {
        // A barred candidate sits on the window-text colour. Its digit is embossed
        // as a disabled caption is, greyed over a light shadow, so it still reads there.
        painter.setPen(colours.color(QPalette::Active, QPalette::Light));
        painter.drawStaticText(centred + QPointF(1, 1), caption);
        painter.setPen(colours.color(QPalette::Disabled, QPalette::ButtonText));
        painter.drawStaticText(centred, caption);
    }
}

void paintFocusFrame(QPainter& painter, const QPalette& colours, QRect area)
{
    QPen pen(colours.color(QPalette::Active, QPalette::ButtonText));
    pen.setStyle(Qt::DotLine);
    pen.setWidth(1);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(3, 3, -4, -4));
}

} // namespace

QRect candidateRect(std::int16_t index) { return designRect(designOf(index)); }

QRect labelRect() { return designRect(ui::designs::lbl); }

QString candidateCaption(std::int16_t index) { return designText(designOf(index).caption); }

const QFont& labelFont()
{
    // Made when first drawn or asked for, and never destroyed, so that it does
    // not outlive the application's fonts.
    static const QFont* const face = new QFont(designFont(ui::designs::lblFont));
    return *face;
}

// The table only grows, and is never destroyed, so that no font in it outlives
// the application's fonts when the program ends.
const CaptionLayouts& captionLayouts(const QFont& font)
{
    static auto* const fonts = new std::deque<CaptionLayouts>;
    for (const CaptionLayouts& laidOut : *fonts)
        if (laidOut.font == font)
            return laidOut;
    CaptionLayouts& laidOut = fonts->emplace_back(CaptionLayouts{font, {}, {}});
    // Centred as a single line of the font's full height, to the same pixels as
    // drawing the text centred in the button would put it.
    const QFontMetricsF metrics(font);
    for (std::int16_t i = 0; i < ui::DrawnCell::size; ++i) {
        const QString text = candidateCaption(i);
        QStaticText& layout = laidOut.layouts.at(static_cast<std::size_t>(i));
        layout.setText(text);
        layout.setTextFormat(Qt::PlainText);
        laidOut.sizes.at(static_cast<std::size_t>(i)) = QSizeF(metrics.horizontalAdvance(text), metrics.height());
    }
    return laidOut;
}

void paintLabel(QPainter& painter, const QPalette& colours, const std::string& caption)
{
    const QRect area = labelRect();
    painter.fillRect(area, systemColor(colours, ui::designs::lbl.face));
    if (caption.empty())
        return;
    painter.setPen(systemColor(colours, ui::designs::lblText));
    painter.setFont(labelFont());
    painter.drawText(area, horizontal(ui::designs::lblAlignment) | Qt::AlignTop, QString::fromStdString(caption));
}

void paintCandidate(QPainter& painter, const QPalette& colours, const CaptionLayouts& captions, std::int16_t index,
                    const ui::DrawnCell::Look& look)
{
    const QRect area = candidateRect(index);
    const auto n = static_cast<std::size_t>(index);
    painter.fillRect(area, systemColor(colours, look.face));
    paintEdge(painter, colours, area, look.down);
    paintCaption(painter, colours, area, captions.layouts.at(n), captions.sizes.at(n), look);
    if (look.focused)
        paintFocusFrame(painter, colours, area);
}

} // namespace ui::qt
