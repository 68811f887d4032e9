#pragma once
#include <QAbstractButton>

#include "ui/Controls.h"

namespace ui::qt {

// The board's view of one Qt button. A repaint writes every property of all nine
// buttons of a cell, and most writes change nothing, so each write is compared
// with what was last written and costs nothing more when equal. A click enters
// the board only through the one dispatch point.
class WidgetButton : public ui::Button {
public:
    explicit WidgetButton(QAbstractButton& widget);
    WidgetButton(const WidgetButton&) = delete;
    WidgetButton& operator=(const WidgetButton&) = delete;

    void setVisible(bool visible) final;
    void setEnabled(bool enabled) final;

protected:
    QAbstractButton& widget_;

private:
    // What the board last wrote, which is not what Qt reports before the window
    // is first shown.
    bool visible_ = true;
    bool enabled_ = true;
};

} // namespace ui::qt
