#pragma once
#include <QAbstractButton>

#include "ui/SysColor.h"

namespace ui::qt {

struct CaptionLayout;

// A candidate button of the graphical style: it paints its face in the system
// colour last set on it, its digit in the default control font, a raised edge
// (sunk while pressed) and, while it has the keyboard focus, a dotted frame.
// Painting it all with QPainter keeps it sharp at any scale.
class CandidateButton final : public QAbstractButton {
public:
    CandidateButton(ui::SysColor face, QWidget* parent);

    ui::SysColor face() const { return face_; }
    // Repaints only this button.
    void setFace(ui::SysColor face);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void paintEdge(QPainter& painter) const;
    void paintCaption(QPainter& painter);
    void paintFocusFrame(QPainter& painter) const;

    ui::SysColor face_;
    // The caption's layout, shared by every button that shows the same digit in
    // the same font: laying a digit out afresh for every repaint cost more than
    // all the rest of a click. Looked up on the first paint, and again after the
    // text or the font changes.
    const CaptionLayout* caption_ = nullptr;
};

} // namespace ui::qt
