#include "ui/qt/CellWidget.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimerEvent>
#include <memory>

#include "ui/TabOrder.h"
#include "ui/qt/CellAccessible.h"
#include "ui/qt/DesignUnits.h"

namespace ui::qt {
namespace {

constexpr auto tabOrder = ui::designs::inTabOrder(ui::designs::btnBlock);

// Where a button stands in the tab order.
int tabPosition(std::int16_t index)
{
    for (std::size_t n = 0; n < tabOrder.size(); ++n)
        if (tabOrder.at(n) == index)
            return static_cast<int>(n);
    return 0;
}

// How long a button pressed through assistive technology stays sunk, as Qt's own.
constexpr int animatedClickMs = 100;

} // namespace

CellWidget::CellWidget(const ui::designs::Control& design, ui::RowColumn place, QWidget* parent)
    : QWidget(parent),
      place_(place),
      label_(*this),
      candidates_([this](std::int16_t i) { return std::make_unique<CandidateButton>(*this, i); }),
      focus_(tabOrder.front())
{
    installCellAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
    setGeometry(designRect(design));
}

void CellWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    label_.paint(painter);
    painter.setFont(font());
    const QRect dirty = event->rect();
    for (std::int16_t i = 0; i < ui::ControlArray<CandidateButton>::size; ++i) {
        CandidateButton& candidate = candidates_(i);
        if (!candidate.isHidden() && dirty.intersects(candidate.geometry()))
            candidate.paint(painter);
    }
}

void CellWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        for (std::int16_t i = 0; i < ui::ControlArray<CandidateButton>::size; ++i)
            candidates_(i).fontChanged();
    QWidget::changeEvent(event);
}

std::int16_t CellWidget::candidateAt(QPoint point) const
{
    for (std::int16_t i = 0; i < ui::ControlArray<CandidateButton>::size; ++i) {
        const CandidateButton& candidate = candidates_(i);
        if (!candidate.isHidden() && candidate.geometry().contains(point))
            return i;
    }
    return -1;
}

// A press on a barred button, or where the label shows, goes on to the box
// beneath, as it did past a disabled or hidden button; it neither focuses nor
// clicks anything.
void CellWidget::mousePressEvent(QMouseEvent* event)
{
    const std::int16_t at = candidateAt(event->position().toPoint());
    if (at < 0 || !candidates_(at).isEnabled()) {
        event->ignore();
        return;
    }
    // Any mouse button gives a button the focus; only the left one presses it.
    focusCandidate(at, Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    pressed_ = at;
    pressedByMouse_ = true;
    candidates_(at).setDown(true);
}

// While held, the button is sunk only while the pointer is over it.
void CellWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || pressed_ < 0 || !pressedByMouse_) {
        event->ignore();
        return;
    }
    CandidateButton& candidate = candidates_(pressed_);
    candidate.setDown(candidate.geometry().contains(event->position().toPoint()));
}

// A release over the pressed button clicks it; anywhere else it clicks nothing.
void CellWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || pressed_ < 0 || !pressedByMouse_) {
        event->ignore();
        return;
    }
    CandidateButton& candidate = candidates_(pressed_);
    pressed_ = -1;
    const bool over = candidate.isDown() && candidate.geometry().contains(event->position().toPoint());
    candidate.setDown(false);
    if (over)
        candidate.click();
    else
        event->ignore();
}

// Space presses the focused button and its release clicks it; the arrow keys
// move the focus as Tab and Shift+Tab do, and Escape lets a pressed button go.
void CellWidget::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Select:
    case Qt::Key_Space:
        if (!event->isAutoRepeat() && candidates_(focus_).takesFocus()) {
            pressed_ = focus_;
            pressedByMouse_ = false;
            candidates_(focus_).setDown(true);
        }
        break;
    case Qt::Key_Up:
    case Qt::Key_Left: focusNextPrevChild(false); break;
    case Qt::Key_Right:
    case Qt::Key_Down: focusNextPrevChild(true); break;
    case Qt::Key_Escape:
        if (pressed_ >= 0) {
            releasePress();
            break;
        }
        event->ignore();
        break;
    default: event->ignore();
    }
}

void CellWidget::keyReleaseEvent(QKeyEvent* event)
{
    const bool space = event->key() == Qt::Key_Select || event->key() == Qt::Key_Space;
    if (!space) {
        event->ignore();
        return;
    }
    if (event->isAutoRepeat() || pressed_ < 0 || !candidates_(pressed_).isDown())
        return;
    CandidateButton& candidate = candidates_(pressed_);
    pressed_ = -1;
    candidate.setDown(false);
    candidate.click();
}

void CellWidget::releasePress()
{
    if (pressed_ < 0)
        return;
    const std::int16_t pressed = pressed_;
    pressed_ = -1;
    candidates_(pressed).setDown(false);
}

std::int16_t CellWidget::takingFocus(int from, bool forward) const
{
    for (int n = from; n >= 0 && n < static_cast<int>(tabOrder.size()); n += forward ? 1 : -1) {
        const std::int16_t index = tabOrder.at(static_cast<std::size_t>(n));
        if (candidates_(index).takesFocus())
            return index;
    }
    return -1;
}

// Focus that arrives by Tab lands on the first button that takes it, by
// Shift+Tab on the last; otherwise it returns to the button that last had it.
void CellWidget::focusInEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        enteredByTab(event->reason() == Qt::TabFocusReason);
    } else if (!candidates_(focus_).takesFocus()) {
        if (const std::int16_t first = takingFocus(0, true); first >= 0)
            focus_ = first;
    }
    repaintCandidate(focus_);
    announceFocus(*this, focus_);
}

void CellWidget::enteredByTab(bool forward)
{
    const std::int16_t to = forward ? takingFocus(0, true) : takingFocus(static_cast<int>(tabOrder.size()) - 1, false);
    if (to < 0 || to == focus_)
        return;
    repaintCandidate(focus_);
    focus_ = to;
    repaintCandidate(focus_);
}

void CellWidget::focusOutEvent(QFocusEvent* event)
{
    if (event->reason() != Qt::PopupFocusReason)
        releasePress();
    repaintCandidate(focus_);
}

bool CellWidget::focusNextPrevChild(bool next)
{
    if (holdsFocus()) {
        const std::int16_t to = takingFocus(tabPosition(focus_) + (next ? 1 : -1), next);
        if (to >= 0) {
            moveFocus(to);
            return true;
        }
    }
    return QWidget::focusNextPrevChild(next);
}

void CellWidget::moveFocus(std::int16_t to)
{
    if (to == focus_)
        return;
    releasePress();
    const std::int16_t from = focus_;
    focus_ = to;
    repaintCandidate(from);
    repaintCandidate(to);
    announceFocus(*this, to);
}

void CellWidget::focusCandidate(std::int16_t index, Qt::FocusReason reason)
{
    if (holdsFocus()) {
        moveFocus(index);
        return;
    }
    focus_ = index;
    setFocus(reason);
}

void CellWidget::updateFocusPolicy()
{
    const bool any = takingFocus(0, true) >= 0;
    setFocusPolicy(any ? Qt::TabFocus : Qt::NoFocus);
}

void CellWidget::candidateChanged(CandidateButton& candidate, Change change)
{
    const std::int16_t index = candidate.index();
    repaintCandidate(index);
    announceChange(*this, index, change);
    if (change != Change::Visible && change != Change::Enabled)
        return;
    updateFocusPolicy();
    if (candidate.takesFocus())
        return;
    // A button hidden or barred while pressed is let go, and while focused hands
    // the focus on to the next one that takes it.
    if (pressed_ == index)
        releasePress();
    if (focus_ == index && holdsFocus() && !focusNextPrevChild(true))
        clearFocus();
}

void CellWidget::labelChanged()
{
    update();
    announceLabel(*this);
}

void CellWidget::animateClick(std::int16_t index)
{
    if (!candidates_(index).isEnabled())
        return;
    if (animated_ >= 0 && animated_ != index) {
        // One press at a time: the one still sunk is clicked now.
        animation_.stop();
        const std::int16_t earlier = animated_;
        animated_ = -1;
        candidates_(earlier).setDown(false);
        candidates_(earlier).click();
    }
    animated_ = index;
    candidates_(index).setDown(true);
    animation_.start(animatedClickMs, this);
}

void CellWidget::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != animation_.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    animation_.stop();
    const std::int16_t index = animated_;
    animated_ = -1;
    if (index < 0)
        return;
    candidates_(index).setDown(false);
    candidates_(index).click();
}

} // namespace ui::qt
