#pragma once
#include <QAbstractButton>

#include "ui/ChangedOnly.h"

namespace ui::qt {

// The board's view of one Qt button: the writes that change something reach the
// widget, and a click enters the board only through the one dispatch point.
class WidgetButton : public ui::ChangedOnlyButton {
public:
    WidgetButton(QAbstractButton& widget, ui::SysColor face);
    WidgetButton(const WidgetButton&) = delete;
    WidgetButton& operator=(const WidgetButton&) = delete;

protected:
    void showVisible(bool visible) final { widget_.setVisible(visible); }
    void showEnabled(bool enabled) final { widget_.setEnabled(enabled); }

private:
    QAbstractButton& widget_;
};

} // namespace ui::qt
