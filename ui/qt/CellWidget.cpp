#include "ui/qt/CellWidget.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimerEvent>

#include "ui/Dispatch.h"
#include "ui/qt/CellAccessible.h"
#include "ui/qt/DesignUnits.h"

namespace ui::qt {
namespace {

using ui::DrawnCell;

// How long a button pressed through assistive technology stays sunk, as Qt's own.
constexpr int animatedClickMs = 100;

bool isSpace(const QKeyEvent& event) { return event.key() == Qt::Key_Space || event.key() == Qt::Key_Select; }

DrawnCell::Entry entryBy(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::TabFocusReason: return DrawnCell::Entry::Front;
    case Qt::BacktabFocusReason: return DrawnCell::Entry::Back;
    default: return DrawnCell::Entry::Other;
    }
}

} // namespace

CellWidget::CellWidget(const ui::designs::Control& design, ui::RowColumn place, QWidget* parent)
    : QWidget(parent), cell_(*this, place)
{
    installCellAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
    setGeometry(designRect(design));
}

std::int16_t CellWidget::candidateAt(QPoint point) const
{
    return cell_.shownWhere([point](std::int16_t i) { return candidateRect(i).contains(point); });
}

bool CellWidget::carryOut(DrawnCell::Reply reply)
{
    if (reply.clicked != DrawnCell::none)
        ui::dispatchClick(cell_.btnBlock(reply.clicked).Click);
    return reply.handled;
}

void CellWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    paintLabel(painter, palette(), cell_.caption());
    painter.setFont(font());
    if (captions_ == nullptr)
        captions_ = &captionLayouts(font());
    for (std::int16_t i = 0; i < DrawnCell::size; ++i) {
        const DrawnCell::Look look = cell_.look(i);
        if (look.visible && event->rect().intersects(candidateRect(i)))
            paintCandidate(painter, palette(), *captions_, i, look);
    }
}

void CellWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        captions_ = nullptr;
    QWidget::changeEvent(event);
}

void CellWidget::mousePressEvent(QMouseEvent* event)
{
    if (carryOut(cell_.press(candidateAt(event->position().toPoint()), event->button() == Qt::LeftButton)))
        setFocus(Qt::MouseFocusReason);
    else
        event->ignore();
}

void CellWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!carryOut(cell_.drag(candidateAt(event->position().toPoint()))))
        event->ignore();
}

void CellWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !carryOut(cell_.release(candidateAt(event->position().toPoint()))))
        event->ignore();
}

// The arrow keys move the focus as Tab and Shift+Tab do.
void CellWidget::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (isSpace(*event))
        carryOut(cell_.spaceDown(event->isAutoRepeat()));
    else if (key == Qt::Key_Up || key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Down)
        focusNextPrevChild(key == Qt::Key_Right || key == Qt::Key_Down);
    else if (key != Qt::Key_Escape || !carryOut(cell_.escape()))
        event->ignore();
}

void CellWidget::keyReleaseEvent(QKeyEvent* event)
{
    if (!isSpace(*event) || !carryOut(cell_.spaceUp(event->isAutoRepeat())))
        event->ignore();
}

void CellWidget::focusInEvent(QFocusEvent* event) { cell_.focusIn(entryBy(event->reason())); }

void CellWidget::focusOutEvent(QFocusEvent* event) { cell_.focusOut(event->reason() == Qt::PopupFocusReason); }

bool CellWidget::focusNextPrevChild(bool next)
{
    if (window()->focusWidget() == this && cell_.tab(next).handled)
        return true;
    return QWidget::focusNextPrevChild(next);
}

// Where no focus event came, a focus that comes and goes at once leaves the cell
// on its first or last button, which it shows once the window is active again.
void CellWidget::enteredByTab(bool forward)
{
    if (cell_.hasFocus())
        return;
    cell_.focusIn(forward ? DrawnCell::Entry::Front : DrawnCell::Entry::Back);
    cell_.focusOut(true);
}

void CellWidget::animateClick(std::int16_t index)
{
    if (carryOut(cell_.activate(index)))
        animation_.start(animatedClickMs, this);
}

void CellWidget::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != animation_.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    animation_.stop();
    carryOut(cell_.activated());
}

void CellWidget::cellChanged(std::int16_t part, Change change)
{
    update(part == DrawnCell::labelPart ? rect() : candidateRect(part));
    announce(*this, part, change);
    if (change == Change::Visible || change == Change::Enabled)
        setFocusPolicy(cell_.takesFocus() ? Qt::TabFocus : Qt::NoFocus);
}

void CellWidget::passFocusOn()
{
    if (!QWidget::focusNextPrevChild(true))
        clearFocus();
}

} // namespace ui::qt
