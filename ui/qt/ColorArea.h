#pragma once
#include <QWidget>

#include "ui/SysColor.h"

namespace ui::qt {

// A plain area that fills itself with one system colour: the board window, beneath
// the board surface and the commands.
class ColorArea : public QWidget {
public:
    explicit ColorArea(ui::SysColor back, QWidget* parent = nullptr);

    ui::SysColor back() const { return back_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ui::SysColor back_;
};

} // namespace ui::qt
