#pragma once
#include <QBasicTimer>
#include <QWidget>
#include <cstdint>

#include "ui/BoardPlace.h"
#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Designs.h"
#include "ui/qt/CandidateButton.h"
#include "ui/qt/DigitLabel.h"

namespace ui::qt {

// One cell as stored in its design: the label lbl over the whole cell and, above
// it, the nine candidate buttons btnBlock. The cell is the one widget of the three:
// it paints the label and then the buttons that are shown, and plays the buttons'
// part for the mouse and the keyboard. Each button is named for assistive
// technology by the cell's place on the board and its digit; its caption stays the
// digit alone.
//
// The keyboard focus rests on the cell, and the cell hands it on to one of its
// buttons: Tab walks the buttons that are shown and not barred in their tab order
// and then leaves for the next cell, as if each button were a widget of its own in
// the window's focus chain. A cell with no such button is left out of the chain.
class CellWidget final : public QWidget, public ui::CellControls {
public:
    CellWidget(const ui::designs::Control& design, ui::RowColumn place, QWidget* parent);

    ui::Button& btnBlock(std::int16_t index) override { return candidates_(index); }
    ui::Label& lbl() override { return label_; }

    CandidateButton& candidate(std::int16_t index) { return candidates_(index); }
    DigitLabel& label() { return label_; }
    ui::RowColumn place() const { return place_; }

    // The button that holds the focus while the cell has it.
    std::int16_t focusIndex() const { return focus_; }
    void focusCandidate(std::int16_t index, Qt::FocusReason reason);
    // The window has just handed this cell the focus by Tab (forward) or Shift+Tab.
    // It says so itself, since an inactive window sends no focus events.
    void enteredByTab(bool forward);
    // The shown button whose square holds the point, or -1 where the label shows.
    std::int16_t candidateAt(QPoint point) const;
    // A button pressed through assistive technology: sunk for a moment, then clicked.
    void animateClick(std::int16_t index);

    // What a button or the label tells its cell.
    enum class Change { Visible, Enabled, Face, Down };
    void candidateChanged(CandidateButton& candidate, Change change);
    void labelChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void repaintCandidate(std::int16_t index) { update(candidates_(index).geometry()); }
    // The first button from `from` on (or back) in tab order that takes the focus.
    std::int16_t takingFocus(int from, bool forward) const;
    void moveFocus(std::int16_t to);
    void releasePress();
    void updateFocusPolicy();
    // Whether this cell holds its window's focus, active or not.
    bool holdsFocus() const { return window()->focusWidget() == this; }

    ui::RowColumn place_;
    DigitLabel label_;
    ui::ControlArray<CandidateButton> candidates_;
    std::int16_t focus_;
    // The button a mouse press or the Space key is holding down, if any.
    std::int16_t pressed_ = -1;
    bool pressedByMouse_ = false;
    QBasicTimer animation_;
    std::int16_t animated_ = -1;
};

} // namespace ui::qt
