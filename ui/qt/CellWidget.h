#pragma once
#include <QBasicTimer>
#include <QWidget>
#include <cstdint>

#include "ui/BoardPlace.h"
#include "ui/Controls.h"
#include "ui/Designs.h"
#include "ui/DrawnCell.h"
#include "ui/qt/CellPainting.h"

namespace ui::qt {

// One cell as stored in its design: the label lbl over the whole cell and, above
// it, the nine candidate buttons btnBlock, all kept by one DrawnCell. This widget
// is the cell's only one: it hands the cell Qt's mouse, key and focus events as
// the cell's own verbs, paints the looks the cell gives it and carries out the
// clicks the cell reports. Each button is named for assistive technology by the
// cell's place on the board and its digit; its caption stays the digit alone.
//
// The keyboard focus rests on the widget, and the cell hands it on to one of its
// buttons, as if each were a widget of its own in the window's focus chain. A
// cell with no button that takes the focus is left out of the chain.
class CellWidget final : public QWidget, public ui::CellControls, private ui::CellView {
public:
    CellWidget(const ui::designs::Control& design, ui::RowColumn place, QWidget* parent);

    ui::Button& btnBlock(std::int16_t index) override { return cell_.btnBlock(index); }
    ui::Label& lbl() override { return cell_.lbl(); }

    const ui::DrawnCell& drawn() const { return cell_; }
    // The window has just handed this cell the focus by Tab (forward) or Shift+Tab.
    // It says so itself, since an inactive window sends no focus events.
    void enteredByTab(bool forward);
    // The shown button whose square holds the point, or none where the label shows.
    std::int16_t candidateAt(QPoint point) const;
    // A button pressed through assistive technology: sunk for a moment, then clicked.
    void animateClick(std::int16_t index);

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
    void cellChanged(std::int16_t part, Change change) override;
    void passFocusOn() override;
    // Carries out what an input came to; false if it was not the cell's.
    bool carryOut(ui::DrawnCell::Reply reply);

    ui::DrawnCell cell_;
    const CaptionLayouts* captions_ = nullptr;  // in the widget's font, once painted
    QBasicTimer animation_;
};

} // namespace ui::qt
