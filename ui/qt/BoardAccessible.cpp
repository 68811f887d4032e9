#include "ui/qt/BoardAccessible.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <array>
#include <vector>

#include "ui/desktop/AccessibleBoard.h"
#include "ui/qt/BoardSurface.h"

namespace ui::qt {
namespace {

using ui::desktop::AccessibleBoard;
using ui::desktop::Part;

class BoardInterface;
BoardInterface* boardOf(BoardSurface& surface);

// A cell or a part of one: no widget, only a place in the board's tree.
class PartInterface final : public QAccessibleInterface,
                            public QAccessibleActionInterface,
                            public QAccessibleTableCellInterface {
public:
    PartInterface(BoardSurface& surface, Part part) : surface_(&surface), part_(part) {}

    bool isValid() const override { return !surface_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return surface_ ? surface_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override { return AccessibleBoard::childCount(part_); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int n = 0; n < childCount(); ++n)
            if (this->child(n) == child)
                return n;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && surface_ ? QString::fromStdString(tree().name(part_)) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!surface_)
            return {};
        const ui::desktop::Rect r = tree().place(part_);
        return {surface_->mapToGlobal(QPoint(r.left, r.top)), QSize(r.width, r.height)};
    }
    QAccessible::Role role() const override
    {
        switch (AccessibleBoard::role(part_)) {
        case AccessibleBoard::Role::Cell: return QAccessible::Cell;
        case AccessibleBoard::Role::Button: return QAccessible::Button;
        default: return QAccessible::StaticText;
        }
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        const AccessibleBoard::States is = surface_ ? tree().states(part_) : AccessibleBoard::States{true};
        state.invisible = is.invisible || !surface_ || !surface_->isVisible();
        state.disabled = is.unavailable || (surface_ && !surface_->isEnabled());
        state.focusable = is.focusable;
        state.focused = is.focused;
        state.pressed = is.pressed;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface && !AccessibleBoard::action(part_).empty())
            return static_cast<QAccessibleActionInterface*>(this);
        if (type == QAccessible::TableCellInterface && part_.part == Part::none)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (surface_ && action == pressAction())
            tree().doAction(part_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return part_.cell % AccessibleBoard::columns; }
    int rowIndex() const override { return part_.cell / AccessibleBoard::columns; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    AccessibleBoard tree() const { return AccessibleBoard(surface_->board()); }

    QPointer<BoardSurface> surface_;
    Part part_;
};

// The surface as Qt's interface for a plain widget shows it, but as a table whose
// children are the board's 81 cells, each made when first asked for.
class BoardInterface final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardInterface(BoardSurface& surface) : QAccessibleWidget(&surface, QAccessible::Table) {}
    ~BoardInterface() override
    {
        for (const QAccessible::Id id : ids_)
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
    }
    BoardInterface(const BoardInterface&) = delete;
    BoardInterface& operator=(const BoardInterface&) = delete;

    // The interface of a part of the board; the board itself is this one.
    QAccessibleInterface* interfaceOf(Part part)
    {
        if (part.cell == Part::none)
            return this;
        auto& id = ids_.at(static_cast<std::size_t>(part.cell) * 11 + static_cast<std::size_t>(part.part + 1));
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(new PartInterface(surface(), part));
        return QAccessible::accessibleInterface(id);
    }

    int childCount() const override { return AccessibleBoard::childCount({}); }
    QAccessibleInterface* child(int index) const override
    {
        const Part cell = AccessibleBoard::child({}, index);
        return cell.cell == Part::none ? nullptr : const_cast<BoardInterface*>(this)->interfaceOf(cell);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int n = 0; n < childCount(); ++n)
            if (ids_.at(static_cast<std::size_t>(n) * 11) != 0 && this->child(n) == child)
                return n;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint at = surface().mapFromGlobal(QPoint(x, y));
        const Part hit = AccessibleBoard(surface().board()).at({at.x(), at.y()});
        return hit.cell == Part::none ? nullptr : child(hit.cell);
    }
    QAccessibleInterface* focusChild() const override
    {
        const Part focus = AccessibleBoard(surface().board()).focus();
        return focus.cell == Part::none ? nullptr : const_cast<BoardInterface*>(this)->interfaceOf(focus);
    }
    // The focus belongs to the candidates; the surface offers neither it nor actions.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = false;
        state.focused = false;
        return state;
    }
    QStringList actionNames() const override { return {}; }
    void doAction(const QString&) override {}
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return child(AccessibleBoard::cellAt(row, column).cell);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return AccessibleBoard::columns; }
    int rowCount() const override { return AccessibleBoard::rows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    BoardSurface& surface() const { return static_cast<BoardSurface&>(*widget()); }

    // Per cell: the cell, then its ten parts.
    mutable std::array<QAccessible::Id, 81 * 11> ids_{};
};

BoardInterface* boardOf(BoardSurface& surface)
{
    return dynamic_cast<BoardInterface*>(QAccessible::queryAccessibleInterface(&surface));
}

QAccessibleInterface* PartInterface::parent() const
{
    if (!surface_)
        return nullptr;
    BoardInterface* board = boardOf(*surface_);
    return board ? board->interfaceOf(AccessibleBoard::parent(part_)) : nullptr;
}

QAccessibleInterface* PartInterface::child(int index) const
{
    const Part child = AccessibleBoard::child(part_, index);
    BoardInterface* board = surface_ && child.cell != Part::none ? boardOf(*surface_) : nullptr;
    return board ? board->interfaceOf(child) : nullptr;
}

QAccessibleInterface* PartInterface::childAt(int x, int y) const
{
    if (!surface_ || part_.part != Part::none)
        return nullptr;
    const QPoint at = surface_->mapFromGlobal(QPoint(x, y));
    const Part hit = tree().at({at.x(), at.y()});
    return hit.cell == part_.cell ? child(hit.part) : nullptr;
}

// Qt asks this of every widget it makes an interface for, so the cheap test of
// the class name goes first.
QAccessibleInterface* boardInterface(const QString& className, QObject* object)
{
    if (className != QLatin1String("QWidget"))
        return nullptr;
    auto* surface = dynamic_cast<BoardSurface*>(object);
    return surface == nullptr ? nullptr : new BoardInterface(*surface);
}

void send(QAccessibleEvent&& event) { QAccessible::updateAccessibility(&event); }

} // namespace

void installBoardAccessibility()
{
    [[maybe_unused]] static const bool installed = (QAccessible::installFactory(&boardInterface), true);
}

void announceOnBoard(BoardSurface& surface, Part part, ui::desktop::BoardView::Announcement what)
{
    using Announcement = ui::desktop::BoardView::Announcement;
    if (!QAccessible::isActive())
        return;
    BoardInterface* board = boardOf(surface);
    if (board == nullptr)
        return;
    QAccessibleInterface* shown = board->interfaceOf(part);
    QAccessible::State changed;
    switch (what) {
    case Announcement::Focus:
        if (surface.hasFocus())
            send(QAccessibleEvent(shown, QAccessible::Focus));
        return;
    case Announcement::Show: send(QAccessibleEvent(shown, QAccessible::ObjectShow)); return;
    case Announcement::Hide: send(QAccessibleEvent(shown, QAccessible::ObjectHide)); return;
    case Announcement::NameChange: send(QAccessibleEvent(shown, QAccessible::NameChanged)); return;
    case Announcement::StateChange:
        changed.disabled = true;
        changed.pressed = true;
        send(QAccessibleStateChangeEvent(shown, changed));
        return;
    }
}

} // namespace ui::qt
