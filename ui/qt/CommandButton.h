#pragma once
#include <QPushButton>

#include "ui/ChangedOnly.h"

namespace ui::qt {

// "Reset", "Fix" or "Un-Fix": an ordinary push button with the platform's face.
// The writes that change something reach the widget, and its click enters the
// board through the one dispatch point.
class CommandButton final : public ui::ChangedOnlyButton {
public:
    explicit CommandButton(QPushButton& widget);
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
