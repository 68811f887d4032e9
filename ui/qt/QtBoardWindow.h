#pragma once
#include <QPushButton>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "ui/Controls.h"
#include "ui/qt/BoardSurface.h"
#include "ui/qt/ColorArea.h"
#include "ui/qt/CommandButton.h"

namespace ui::qt {

// The board window "Form2" built from the stored designs: the nine boxes drawn on
// one surface and the column of "Reset", "Fix" and "Un-Fix", at a fixed size. It
// owns the top-level widget, and through it every widget of the board.
class QtBoardWindow final : public ui::BoardWindow {
public:
    QtBoardWindow();
    QtBoardWindow(const QtBoardWindow&) = delete;
    QtBoardWindow& operator=(const QtBoardWindow&) = delete;

    ui::BoxControls& usrcntGrid(std::int16_t index) override { return surface_->board().box(index); }
    ui::Button& cmdFix() override { return fix_; }
    ui::Button& cmdUnFix() override { return unFix_; }
    ui::Button& cmdReset() override { return reset_; }
    void show() override;

    QWidget& widget() { return *window_; }
    BoardSurface& surface() { return *surface_; }
    QPushButton& fixButton() { return fix_.widget(); }
    QPushButton& unFixButton() { return unFix_.widget(); }
    QPushButton& resetButton() { return reset_.widget(); }

private:
    std::unique_ptr<ColorArea> window_;
    BoardSurface* surface_; // owned by window_ as its Qt parent
    CommandButton reset_;
    CommandButton fix_;
    CommandButton unFix_;
};

} // namespace ui::qt
