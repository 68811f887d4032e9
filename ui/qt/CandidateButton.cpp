#include "ui/qt/CandidateButton.h"

#include <QEvent>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QSizeF>
#include <QStaticText>
#include <deque>
#include <utility>

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

CandidateButton::CandidateButton(ui::SysColor face, QWidget* parent) : QAbstractButton(parent), face_(face)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void CandidateButton::setFace(ui::SysColor face)
{
    face_ = face;
    update();
}

bool CandidateButton::event(QEvent* event)
{
    const bool handled = QAbstractButton::event(event);
    if (event->type() == QEvent::Polish) {
        // The style has just had its say, and some (Fusion) make every button
        // see-through and lit under the pointer. This one covers its square
        // itself and looks the same under the pointer, so it stays opaque: a
        // repaint of it then leaves the label beneath alone. And it takes no
        // hover events, which would only repaint it unchanged.
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_Hover, false);
    }
    return handled;
}

void CandidateButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        caption_ = nullptr;
    QAbstractButton::changeEvent(event);
}

void CandidateButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), systemColor(colours, face_));
    paintEdge(painter);

    paintCaption(painter);
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

void CandidateButton::paintCaption(QPainter& painter)
{
    if (caption_ == nullptr || caption_->text != text())
        caption_ = &captionLayout(text(), font());
    const QSizeF& size = caption_->size;
    const QPointF centred((width() - size.width()) / 2, (height() - size.height()) / 2);

    // The painter already has this button's font.
    const QPalette& colours = palette();
    if (isEnabled()) {
        painter.setPen(colours.color(QPalette::Active, QPalette::ButtonText));
        const qreal sunk = isDown() ? 1 : 0;
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
