#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "ui/BoardPlace.h"
#include "ui/ChangedOnly.h"
#include "ui/Controls.h"

// The board's controls in a web page. Each stands for one element of the page
// by its number (Elements.h); only writes that change something cross into the
// page, one element property each.
namespace ui::web {

class WebButton final : public ChangedOnlyButton {
public:
    WebButton(int element, SysColor face) : ChangedOnlyButton(face), element_(element) {}

private:
    void showVisible(bool visible) override;
    void showEnabled(bool enabled) override;
    void showBackColor(SysColor color) override;

    int element_;
};

class WebLabel final : public ChangedOnlyLabel {
public:
    WebLabel(int element, RowColumn place);

private:
    void showCaption(const std::string& caption) override;

    int element_;
    RowColumn place_;
};

class WebCell final : public CellControls {
public:
    WebCell(std::int16_t box, std::int16_t cell);
    Button& btnBlock(std::int16_t index) override { return *buttons_.at(static_cast<std::size_t>(index)); }
    Label& lbl() override { return label_; }
    const WebButton& button(std::int16_t index) const { return *buttons_.at(static_cast<std::size_t>(index)); }
    const WebLabel& label() const { return label_; }

private:
    std::array<std::unique_ptr<WebButton>, 9> buttons_;
    WebLabel label_;
};

class WebBox final : public BoxControls {
public:
    explicit WebBox(std::int16_t box);
    CellControls& usrcntSquare(std::int16_t index) override { return *cells_.at(static_cast<std::size_t>(index)); }
    const WebCell& cell(std::int16_t index) const { return *cells_.at(static_cast<std::size_t>(index)); }

private:
    std::array<std::unique_ptr<WebCell>, 9> cells_;
};

// Takes over the board the page was built with, when created. The page hands every click
// back by element number to the entry point, which plays it through the history.
class WebBoardWindow final : public BoardWindow {
public:
    WebBoardWindow();
    BoxControls& usrcntGrid(std::int16_t index) override { return *boxes_.at(static_cast<std::size_t>(index)); }
    Button& cmdFix() override { return fix_; }
    Button& cmdUnFix() override { return unFix_; }
    Button& cmdReset() override { return reset_; }
    void show() override;

    // What a cell's buttons and label were last told to show.
    const WebCell& cellAt(BoxCell place) const
    {
        return boxes_.at(static_cast<std::size_t>(place.box))->cell(place.cell);
    }

private:
    std::array<std::unique_ptr<WebBox>, 9> boxes_;
    WebButton reset_, fix_, unFix_;
};

class WebPlatform final : public Platform {
public:
    std::unique_ptr<BoardWindow> createBoardWindow() override;

    // The board window it created; it lives as long as the page.
    WebBoardWindow* window() const { return window_; }

private:
    WebBoardWindow* window_ = nullptr;
};

} // namespace ui::web
