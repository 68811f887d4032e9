#pragma once
#include <QPushButton>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "ui/Controls.h"
#include "ui/qt/BoxWidget.h"
#include "ui/qt/ColorArea.h"
#include "ui/qt/CommandControl.h"

namespace ui::qt {

// The board window "Form2" built from the stored designs: nine boxes and the
// column of "Reset", "Fix" and "Un-Fix", at a fixed size. It owns the top-level
// widget, and through it every widget of the board.
class QtBoardWindow final : public ui::BoardWindow {
public:
    QtBoardWindow();
    QtBoardWindow(const QtBoardWindow&) = delete;
    QtBoardWindow& operator=(const QtBoardWindow&) = delete;

    ui::BoxControls& usrcntGrid(std::int16_t index) override { return box(index); }
    ui::Button& cmdFix() override { return fix_; }
    ui::Button& cmdUnFix() override { return unFix_; }
    ui::Button& cmdReset() override { return reset_; }
    void show() override;

    QWidget& widget() { return *window_; }
    BoxWidget& box(std::int16_t index) { return *boxes_.at(static_cast<std::size_t>(index)); }
    QPushButton& fixButton() { return fix_.widget(); }
    QPushButton& unFixButton() { return unFix_.widget(); }
    QPushButton& resetButton() { return reset_.widget(); }

    // Every widget that takes the keyboard focus, in the designs' tab order: the
    // cells, which hand it on to their candidates, and the three commands.
    std::vector<QWidget*> focusChain();

private:
    std::unique_ptr<ColorArea> window_;
    std::array<BoxWidget*, 9> boxes_{};  // owned by window_ as their Qt parent
    CommandControl reset_;
    CommandControl fix_;
    CommandControl unFix_;
};

} // namespace ui::qt
