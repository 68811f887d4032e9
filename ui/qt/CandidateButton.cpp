#include "ui/qt/CandidateButton.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QSizeF>
#include <QStaticText>
#include <deque>
#include <utility>

#include "ui/Designs.h"
#include "ui/Dispatch.h"
#include "ui/qt/CellWidget.h"
#include "ui/qt/DesignUnits.h"
#include "ui/qt/SystemColors.h"

namespace ui::qt {

// A caption laid out in one font, and the size by which it is centred.
struct CaptionLayout {
    QString text;
    QFont font;
    QStaticText layout;
    QSizeF size;
};

namespace {

const ui::designs::Control& designOf(std::int16_t index)
{
    return ui::designs::btnBlock.at(static_cast<std::size_t>(index));
}

// The board's 729 buttons show nine digits in one font, so each digit is laid
// out once and drawn by every button that shows it. The table only grows, so a
// button may keep a pointer into it; and it is never destroyed, so that no font
// in it outlives the application's fonts when the program ends.
const CaptionLayout& captionLayout(const QString& text, const QFont& font)
{
    static auto* const captions = new std::deque<CaptionLayout>;
    for (const CaptionLayout& caption : *captions)
        if (caption.text == text && caption.font == font)
            return caption;
    QStaticText layout(text);
    layout.setTextFormat(Qt::PlainText);
    // Centred as a single line of the font's full height, to the same pixels as
    // drawing the text centred in the button would put it.
    const QFontMetricsF metrics(font);
    return captions->emplace_back(CaptionLayout{text, font, layout, QSizeF(metrics.horizontalAdvance(text), metrics.height())});
}

} // namespace

CandidateButton::CandidateButton(CellWidget& cell, std::int16_t index)
    : ChangedOnlyButton(designOf(index).face), cell_(cell), index_(index), face_(designOf(index).face)
{
}

QRect CandidateButton::geometry() const { return designRect(designOf(index_)); }

QString CandidateButton::text() const { return designText(designOf(index_).caption); }

bool CandidateButton::isVisible() const { return visible_ && cell_.isVisible(); }

bool CandidateButton::hasFocus() const { return cell_.hasFocus() && cell_.focusIndex() == index_; }

void CandidateButton::click()
{
    if (enabled_)
        ui::dispatchClick(Click);
}

void CandidateButton::setFocus() { cell_.focusCandidate(index_, Qt::OtherFocusReason); }

void CandidateButton::setDown(bool down)
{
    if (down == down_)
        return;
    down_ = down;
    cell_.candidateChanged(*this, CellWidget::Change::Down);
}

void CandidateButton::showVisible(bool visible)
{
    visible_ = visible;
    cell_.candidateChanged(*this, CellWidget::Change::Visible);
}

void CandidateButton::showEnabled(bool enabled)
{
    enabled_ = enabled;
    cell_.candidateChanged(*this, CellWidget::Change::Enabled);
}

void CandidateButton::showBackColor(ui::SysColor color)
{
    face_ = color;
    cell_.candidateChanged(*this, CellWidget::Change::Face);
}

void CandidateButton::paint(QPainter& painter)
{
    const QRect area = geometry();
    painter.fillRect(area, systemColor(cell_.palette(), face_));
    paintEdge(painter, area);
    paintCaption(painter, area);
    if (hasFocus())
        paintFocusFrame(painter, area);
}

void CandidateButton::paintEdge(QPainter& painter, QRect area) const
{
    const QPalette& colours = cell_.palette();
    QColor upper = colours.color(QPalette::Active, QPalette::Light);
    QColor lower = colours.color(QPalette::Active, QPalette::Shadow);
    if (down_)
        std::swap(upper, lower);
    const int x = area.x();
    const int y = area.y();
    const int w = area.width();
    const int h = area.height();
    painter.fillRect(x, y, w, 1, upper);
    painter.fillRect(x, y, 1, h, upper);
    painter.fillRect(x, y + h - 1, w, 1, lower);
    painter.fillRect(x + w - 1, y, 1, h, lower);
    if (!down_) {
        const QColor dark = colours.color(QPalette::Active, QPalette::Dark);
        painter.fillRect(x + 1, y + h - 2, w - 2, 1, dark);
        painter.fillRect(x + w - 2, y + 1, 1, h - 2, dark);
    }
}

void CandidateButton::paintCaption(QPainter& painter, QRect area)
{
    if (caption_ == nullptr)
        caption_ = &captionLayout(text(), cell_.font());
    const QSizeF& size = caption_->size;
    const QPointF centred(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);

    // The painter already has the cell's font.
    const QPalette& colours = cell_.palette();
    if (enabled_) {
        painter.setPen(colours.color(QPalette::Active, QPalette::ButtonText));
        const qreal sunk = down_ ? 1 : 0;
        painter.drawStaticText(centred + QPointF(sunk, sunk), caption_->layout);
    } else {
        // A barred candidate sits on the window-text colour. Its digit is embossed
        // as a disabled caption is, greyed over a light shadow, so it still reads there.
        painter.setPen(colours.color(QPalette::Active, QPalette::Light));
        painter.drawStaticText(centred + QPointF(1, 1), caption_->layout);
        painter.setPen(colours.color(QPalette::Disabled, QPalette::ButtonText));
        painter.drawStaticText(centred, caption_->layout);
    }
}

void CandidateButton::paintFocusFrame(QPainter& painter, QRect area) const
{
    QPen pen(cell_.palette().color(QPalette::Active, QPalette::ButtonText));
    pen.setStyle(Qt::DotLine);
    pen.setWidth(1);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(3, 3, -4, -4));
}

} // namespace ui::qt
