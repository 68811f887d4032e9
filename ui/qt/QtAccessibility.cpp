#include "ui/qt/QtAccessibility.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QPointer>
#include <QWindow>
#include <array>
#include <memory>

#include "ui/Text.h"
#include "ui/desktop/AccessibilityTree.h"
#include "ui/qt/BoardSurface.h"

namespace ui::qt {
namespace {

using Tree = ui::desktop::AccessibilityTree;
using ui::desktop::Part;

QAccessible::Role roleOf(Tree::Role role)
{
    switch (role) {
    case Tree::Role::Table: return QAccessible::Table;
    case Tree::Role::Cell: return QAccessible::Cell;
    case Tree::Role::Button: return QAccessible::Button;
    case Tree::Role::StaticText: return QAccessible::StaticText;
    }
    return QAccessible::NoRole;
}

// What the surface's interface keeps for the whole tree: the tree itself, and the
// interfaces of the cells and their parts, each made when first asked for.
struct Nodes {
    explicit Nodes(BoardSurface& surface) : surface(surface), tree(surface.board(), surface) {}
    ~Nodes()
    {
        for (const QAccessible::Id id : ids)
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
    }
    Nodes(const Nodes&) = delete;
    Nodes& operator=(const Nodes&) = delete;

    QAccessibleInterface* interfaceOf(Part node);

    BoardSurface& surface;
    Tree tree;
    std::array<QAccessible::Id, 81 * 11> ids{}; // per cell: the cell, then its ten parts
};

Nodes& nodesOf(BoardSurface& surface);

// One node of the board's tree: the board, a table, is the surface's own
// interface; a cell, a table cell, and its parts are no widgets.
class NodeInterface final : public QAccessibleInterface,
                            public QAccessibleActionInterface,
                            public QAccessibleTableInterface,
                            public QAccessibleTableCellInterface {
public:
    NodeInterface(BoardSurface& surface, Part node) : surface_(&surface), node_(node)
    {
        if (node == Part{})
            nodes_ = std::make_unique<Nodes>(surface);
    }
    friend Nodes& nodesOf(BoardSurface& surface);

    bool isValid() const override { return !surface_.isNull(); }
    QObject* object() const override { return node_ == Part{} ? surface_.data() : nullptr; }
    QWindow* window() const override { return surface_ ? surface_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        const std::optional<Part> up = Tree::parent(node_);
        if (!surface_)
            return nullptr;
        return up ? nodes().interfaceOf(*up) : QAccessible::queryAccessibleInterface(surface_->parentWidget());
    }
    QAccessibleInterface* child(int index) const override { return interfaceOf(Tree::child(node_, index)); }
    int childCount() const override { return Tree::childCount(node_); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* node = dynamic_cast<const NodeInterface*>(child);
        return node && Tree::parent(node->node_) == node_ ? Tree::indexInParent(node->node_) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        return interfaceOf(surface_ ? tree().childAt(node_, {x, y}) : std::nullopt);
    }
    // Any node that holds the focus, or holds what holds it, answers what holds it.
    QAccessibleInterface* focusChild() const override
    {
        return surface_ && tree().focusWithin(node_) ? interfaceOf(tree().focus()) : nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        if (!surface_ || (t != QAccessible::Name && t != QAccessible::Description))
            return {};
        return QString::fromStdString(t == QAccessible::Name ? tree().name(node_) : Tree::description(node_));
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        const ui::desktop::Rect r = surface_ ? tree().bounds(node_) : ui::desktop::Rect{};
        return {r.left, r.top, r.width, r.height};
    }
    QAccessible::Role role() const override { return roleOf(Tree::role(node_)); }
    QAccessible::State state() const override
    {
        const Tree::States is = surface_ ? tree().states(node_) : Tree::States{true, true};
        QAccessible::State state;
        state.invisible = is.invisible;
        state.disabled = is.unavailable;
        state.focusable = is.focusable;
        state.focused = is.focused;
        state.pressed = is.pressed;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface && !Tree::action(node_).empty())
            return static_cast<QAccessibleActionInterface*>(this);
        if (type == QAccessible::TableInterface && role() == QAccessible::Table)
            return static_cast<QAccessibleTableInterface*>(this);
        if (type == QAccessible::TableCellInterface && role() == QAccessible::Cell)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {QString::fromStdString(Tree::action(node_))}; }
    // What a screen reader says of the action, in the player's language.
    QString localizedActionName(const QString& action) const override
    {
        const QByteArray english = action.toUtf8();
        return QString::fromUtf8(ui::_(english.constData()));
    }
    void doAction(const QString& action) override
    {
        if (surface_ && action == QString::fromStdString(Tree::action(node_)))
            tree().doAction(node_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        const bool inside = row >= 0 && row < Tree::rows && column >= 0 && column < Tree::columns;
        return inside ? interfaceOf(Tree::cellAt(row, column)) : nullptr;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Tree::columns; }
    int rowCount() const override { return Tree::rows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return node_.cell % Tree::columns; }
    int rowIndex() const override { return node_.cell / Tree::columns; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    Nodes& nodes() const { return nodesOf(*surface_); }
    Tree& tree() const { return nodes().tree; }
    QAccessibleInterface* interfaceOf(std::optional<Part> node) const
    {
        return node && surface_ ? nodes().interfaceOf(*node) : nullptr;
    }

    QPointer<BoardSurface> surface_;
    Part node_;
    std::unique_ptr<Nodes> nodes_; // the board's alone
};

Nodes& nodesOf(BoardSurface& surface)
{
    return *dynamic_cast<NodeInterface&>(*QAccessible::queryAccessibleInterface(&surface)).nodes_;
}

QAccessibleInterface* Nodes::interfaceOf(Part node)
{
    if (node == Part{})
        return QAccessible::queryAccessibleInterface(&surface);
    auto& id = ids.at(static_cast<std::size_t>(node.cell) * 11 + static_cast<std::size_t>(node.part + 1));
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new NodeInterface(surface, node));
    return QAccessible::accessibleInterface(id);
}

// Qt asks this of every widget it makes an interface for, so the cheap test of
// the class name goes first.
QAccessibleInterface* boardInterface(const QString& className, QObject* object)
{
    if (className != QLatin1String("QWidget"))
        return nullptr;
    auto* surface = dynamic_cast<BoardSurface*>(object);
    return surface == nullptr ? nullptr : new NodeInterface(*surface, {});
}

void send(QAccessibleEvent&& event) { QAccessible::updateAccessibility(&event); }

} // namespace

void installBoardAccessibility()
{
    [[maybe_unused]] static const bool installed = (QAccessible::installFactory(&boardInterface), true);
}

void announceOnBoard(BoardSurface& surface, Part node, ui::desktop::BoardView::Announcement what)
{
    using Announcement = ui::desktop::BoardView::Announcement;
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* changed = nodesOf(surface).interfaceOf(node);
    QAccessible::State states;
    switch (what) {
    case Announcement::Focus: send(QAccessibleEvent(changed, QAccessible::Focus)); return;
    case Announcement::Show: send(QAccessibleEvent(changed, QAccessible::ObjectShow)); return;
    case Announcement::Hide: send(QAccessibleEvent(changed, QAccessible::ObjectHide)); return;
    case Announcement::NameChange: send(QAccessibleEvent(changed, QAccessible::NameChanged)); return;
    case Announcement::StateChange:
        states.disabled = true;
        states.focusable = true;
        states.pressed = true;
        send(QAccessibleStateChangeEvent(changed, states));
        return;
    }
}

} // namespace ui::qt
