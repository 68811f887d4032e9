#pragma once
#include <QRect>
#include <QString>
#include <cstdint>

#include "ui/ChangedOnly.h"

class QPainter;

namespace ui::qt {

class CellWidget;
struct CaptionLayout;

// A candidate button of the graphical style. It is no widget of its own: its
// cell lays it out, paints it, takes the mouse and the keyboard for it and
// names it for assistive technology, since nine hundred widgets took longer to
// make and show than all the rest of the program's start. What the board writes
// reaches the cell only when it changes the look, and then only this button's
// square is repainted.
//
// It paints its face in the system colour last set on it, its digit in the
// cell's font (the default control font), a raised edge (sunk while pressed)
// and, while it has the keyboard focus, a dotted frame. Painting it all with
// QPainter keeps it sharp at any scale.
class CandidateButton final : public ui::ChangedOnlyButton {
public:
    CandidateButton(CellWidget& cell, std::int16_t index);

    CellWidget& cell() const { return cell_; }
    std::int16_t index() const { return index_; }
    // Its square within the cell.
    QRect geometry() const;
    QString text() const;
    ui::SysColor face() const { return face_; }
    // Shown, in a shown window.
    bool isVisible() const;
    bool isHidden() const { return !visible_; }
    bool isEnabled() const { return enabled_; }
    bool isDown() const { return down_; }
    bool hasFocus() const;
    // Whether Tab or a click may give it the focus.
    bool takesFocus() const { return visible_ && enabled_; }

    // What a press and release on it come to: nothing while it is barred.
    void click();
    // Gives it the keyboard focus, as a click would.
    void setFocus();

    // For the cell: the sunk look of a press, and painting into the cell.
    void setDown(bool down);
    void paint(QPainter& painter);
    void fontChanged() { caption_ = nullptr; }

private:
    void showVisible(bool visible) override;
    void showEnabled(bool enabled) override;
    void showBackColor(ui::SysColor color) override;

    void paintEdge(QPainter& painter, QRect area) const;
    void paintCaption(QPainter& painter, QRect area);
    void paintFocusFrame(QPainter& painter, QRect area) const;

    CellWidget& cell_;
    std::int16_t index_;
    bool visible_ = true;
    bool enabled_ = true;
    bool down_ = false;
    ui::SysColor face_;
    // The caption's layout, shared by every button that shows the same digit in
    // the same font: laying a digit out afresh for every repaint cost more than
    // all the rest of a click. Looked up on the first paint, and again after the
    // font changes.
    const CaptionLayout* caption_ = nullptr;
};

} // namespace ui::qt
