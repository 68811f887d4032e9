#pragma once
#include <QPushButton>

#include "app/History.h"
#include "ui/ChangedOnly.h"
#include "ui/desktop/DrawnBoard.h"

namespace ui::qt {

// "Reset", "Fix" or "Un-Fix": an ordinary push button with the platform's face.
// The writes that change something reach the widget, and its click reaches the
// board's history through the desktop board, as `command`, the history's.
class CommandButton final : public ui::ChangedOnlyButton {
public:
    CommandButton(QPushButton& widget, ui::desktop::DrawnBoard& board, void (History::*command)());
    CommandButton(const CommandButton&) = delete;
    CommandButton& operator=(const CommandButton&) = delete;

    QPushButton& widget() { return button_; }

private:
    void showVisible(bool visible) override { button_.setVisible(visible); }
    void showEnabled(bool enabled) override { button_.setEnabled(enabled); }
    // The board never recolours its command buttons; should it, the face follows.
    void showBackColor(ui::SysColor color) override;

    QPushButton& button_;
};

} // namespace ui::qt
