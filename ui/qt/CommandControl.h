#pragma once
#include <QPushButton>

#include "ui/qt/WidgetButton.h"

namespace ui::qt {

// "Fix", "Un-Fix" or "Reset": an ordinary push button with the platform's face.
class CommandControl final : public WidgetButton {
public:
    explicit CommandControl(QPushButton& widget);

    QPushButton& widget() { return button_; }

private:
    // The board never recolours its command buttons; should it, the face follows.
    void showBackColor(ui::SysColor color) override;

    QPushButton& button_;
};

} // namespace ui::qt
