#pragma once
#include <QFont>
#include <QWidget>
#include <memory>

#include "ui/desktop/AccessibilityTree.h"
#include "ui/desktop/DrawnBoard.h"
#include "ui/qt/QtPainter.h"

namespace ui::qt {

// The nine boxes of the board window as one widget, on which the desktop board
// draws its 81 cells. It hands the board Qt's mouse, key and focus events as the
// board's verbs, carries out its primitives in paint events and dispatches the
// clicks it reports. The keyboard focus rests on the widget, and the board hands
// it on among its candidates in the designs' order; at the board's end, Tab
// goes on to the window's next widget.
class BoardSurface final : public QWidget,
                           public ui::desktop::AccessibilityTree::Window,
                           private ui::desktop::BoardView {
public:
    explicit BoardSurface(QWidget* parent);

    ui::desktop::DrawnBoard& board() { return board_; }
    // The window has just handed the surface the focus by Tab (forward) or
    // Shift+Tab. It says so itself, since an inactive window sends no focus events.
    void enteredByTab(bool forward);

    // What only Qt knows of the surface, for assistive technology's tree.
    bool shown() const override { return isVisible(); }
    bool enabled() const override { return isEnabled(); }
    ui::desktop::Point origin() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void redraw(const ui::desktop::Rect& area) override;
    History* history() const override;
    History::Step dispatch(const std::function<History::Step()>& action) override;
    void announce(ui::desktop::Part part, Announcement what) override;
    void takesFocusChanged(bool takesFocus) override;
    std::variant<std::string, PuzzleProblem> clipboardText(std::size_t atMost) const override;
    bool putOnClipboard(const std::string& text) override;
    bool clipboardHoldsText() const override;
    void warn(const std::string& message) override;
    void takeFocus() override;
    void openMenu(std::optional<QPoint> at);

    ui::desktop::DrawnBoard board_;
    QFont digitFont_;
    std::unique_ptr<CaptionLayouts> captions_; // in the widget's font, once painted
};

} // namespace ui::qt
