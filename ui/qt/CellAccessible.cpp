#include "ui/qt/CellAccessible.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <array>

namespace ui::qt {
namespace {

// Children of a cell's interface: the label first, as the label was the cell's
// first child widget, then the buttons in their array's order.
constexpr int labelChild = 0;
constexpr int childCount = 1 + ui::DrawnCell::size;

int childOf(std::int16_t part) { return part == ui::DrawnCell::labelPart ? labelChild : part + 1; }

// A part of a cell that is no widget: the label or a button.
class PartInterface : public QAccessibleInterface {
public:
    explicit PartInterface(CellWidget& cell) : cell_(&cell) {}

    bool isValid() const override { return !cell_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return cell_ ? cell_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return cell_ ? QAccessible::queryAccessibleInterface(cell_) : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    // On the screen, as a widget's interface gives it.
    QRect onScreen(QRect inCell) const
    {
        return cell_ ? QRect(cell_->mapToGlobal(inCell.topLeft()), inCell.size()) : QRect();
    }

    QPointer<CellWidget> cell_;
};

class LabelInterface final : public PartInterface {
public:
    using PartInterface::PartInterface;

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && cell_ ? QString::fromStdString(cell_->drawn().labelName()) : QString();
    }
    QRect rect() const override { return cell_ ? onScreen(labelRect()) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !cell_ || !cell_->isVisible();
        return state;
    }
};

class CandidateInterface final : public PartInterface, public QAccessibleActionInterface {
public:
    CandidateInterface(CellWidget& cell, std::int16_t index) : PartInterface(cell), index_(index) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !cell_)
            return {};
        return QString::fromStdString(cell_->drawn().candidateName(index_));
    }
    QRect rect() const override { return cell_ ? onScreen(candidateRect(index_)) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!cell_) {
            state.invisible = true;
            return state;
        }
        const ui::DrawnCell::Look look = cell_->drawn().look(index_);
        state.invisible = !look.visible || !cell_->isVisible();
        state.disabled = !look.enabled || !cell_->isEnabled();
        state.focusable = true;
        state.focused = look.focused;
        state.pressed = look.down;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (cell_ && action == pressAction())
            cell_->animateClick(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    std::int16_t index_;
};

// The cell as Qt's own interface for a plain widget shows it, but with the label
// and the buttons as its children. The children are made when first asked for.
class CellInterface final : public QAccessibleWidget {
public:
    explicit CellInterface(CellWidget& cell) : QAccessibleWidget(&cell, QAccessible::Client) {}
    ~CellInterface() override
    {
        for (const QAccessible::Id id : ids_)
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
    }
    CellInterface(const CellInterface&) = delete;
    CellInterface& operator=(const CellInterface&) = delete;

    int childCount() const override { return ui::qt::childCount; }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= ui::qt::childCount)
            return nullptr;
        auto& id = ids_.at(static_cast<std::size_t>(index));
        if (id == 0) {
            auto& cell = static_cast<CellWidget&>(*widget());
            id = QAccessible::registerAccessibleInterface(
                index == labelChild ? static_cast<QAccessibleInterface*>(new LabelInterface(cell))
                                    : new CandidateInterface(cell, static_cast<std::int16_t>(index - 1)));
        }
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int n = 0; n < ui::qt::childCount; ++n)
            if (this->child(n) == child)
                return n;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        auto& cell = static_cast<CellWidget&>(*widget());
        const QPoint inCell = cell.mapFromGlobal(QPoint(x, y));
        if (!cell.rect().contains(inCell))
            return nullptr;
        const std::int16_t at = cell.candidateAt(inCell);
        return child(at == ui::DrawnCell::none ? labelChild : childOf(at));
    }
    QAccessibleInterface* focusChild() const override
    {
        auto& cell = static_cast<CellWidget&>(*widget());
        return cell.drawn().hasFocus() ? child(childOf(cell.drawn().focus())) : nullptr;
    }
    // The focus belongs to the buttons; the cell itself offers neither it nor actions.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = false;
        state.focused = false;
        return state;
    }
    QStringList actionNames() const override { return {}; }
    void doAction(const QString&) override {}

private:
    mutable std::array<QAccessible::Id, ui::qt::childCount> ids_{};
};

// Qt asks this of every widget it makes an interface for, a hundred as the
// window opens, so the cheap test of the class name goes first.
QAccessibleInterface* cellInterface(const QString& className, QObject* object)
{
    if (className != QLatin1String("QWidget"))
        return nullptr;
    auto* cell = dynamic_cast<CellWidget*>(object);
    return cell == nullptr ? nullptr : new CellInterface(*cell);
}

QAccessibleInterface* childInterface(CellWidget& cell, int child)
{
    auto* interface = dynamic_cast<CellInterface*>(QAccessible::queryAccessibleInterface(&cell));
    return interface == nullptr ? nullptr : interface->child(child);
}

void send(QAccessibleEvent&& event) { QAccessible::updateAccessibility(&event); }

} // namespace

void installCellAccessibility()
{
    [[maybe_unused]] static const bool installed = (QAccessible::installFactory(&cellInterface), true);
}

void announce(CellWidget& cell, std::int16_t part, ui::CellView::Change change)
{
    using Change = ui::CellView::Change;
    if (change == Change::Face || change == Change::FocusGone || !QAccessible::isActive())
        return;
    if (change == Change::FocusCame && !cell.hasFocus())
        return;
    QAccessibleInterface* shown = childInterface(cell, childOf(part));
    if (shown == nullptr)
        return;
    QAccessible::State changed;
    switch (change) {
    case Change::Visible:
        send(QAccessibleEvent(shown,
                              cell.drawn().look(part).visible ? QAccessible::ObjectShow : QAccessible::ObjectHide));
        return;
    case Change::FocusCame: send(QAccessibleEvent(shown, QAccessible::Focus)); return;
    case Change::Caption: send(QAccessibleEvent(shown, QAccessible::NameChanged)); return;
    case Change::Enabled: changed.disabled = true; break;
    case Change::Down: changed.pressed = true; break;
    case Change::Face:
    case Change::FocusGone: return;
    }
    send(QAccessibleStateChangeEvent(shown, changed));
}

} // namespace ui::qt
