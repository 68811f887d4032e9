#pragma once
#include <array>
#include <memory>

#include "ui/Controls.h"

// A front-end with no widgets: every property write is dropped. It lets the
// board's logic link and run without any toolkit (the benchmarks, and tests that need no picture of it).
namespace ui {

class NullButton final : public Button {
public:
    void setVisible(bool) override {}
    void setEnabled(bool) override {}
    void setBackColor(SysColor) override {}
};

class NullLabel final : public Label {
public:
    void setCaption(std::string_view) override {}
};

class NullCell final : public CellControls {
public:
    Button& btnBlock(std::int16_t index) override { return buttons_.at(index); }
    Label& lbl() override { return label_; }

private:
    std::array<NullButton, 9> buttons_;
    NullLabel label_;
};

class NullBox final : public BoxControls {
public:
    CellControls& usrcntSquare(std::int16_t index) override { return cells_.at(index); }

private:
    std::array<NullCell, 9> cells_;
};

class NullBoardWindow final : public BoardWindow {
public:
    BoxControls& usrcntGrid(std::int16_t index) override { return boxes_.at(index); }
    Button& cmdFix() override { return fix_; }
    Button& cmdUnFix() override { return unFix_; }
    Button& cmdReset() override { return reset_; }
    void show() override {}

private:
    std::array<NullBox, 9> boxes_;
    NullButton fix_, unFix_, reset_;
};

class NullPlatform final : public Platform {
public:
    std::unique_ptr<BoardWindow> createBoardWindow() override { return std::make_unique<NullBoardWindow>(); }
};

} // namespace ui
