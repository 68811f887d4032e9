#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "support/FakeButton.h"
#include "support/FakeLabel.h"
#include "support/VisibleState.h"
#include "support/WriteLog.h"
#include "ui/Controls.h"
#include "ui/DrawnCell.h"

namespace support {

// The children of one cell as the stored design creates them: nine visible,
// enabled buttons, "9" on the Active-border face and the rest on Button face,
// over a label whose design caption is "1". grid and cell name the cell in the
// log; leave them at -1 for a cell tested on its own.
//
// Every write also reaches a cell as the desktops draw it (drawn()), whose
// squares are painted here only when it says they changed; so a test can hand
// it the player's input and see whether the picture kept up with every change.
class FakeCell final : public ui::CellControls, private ui::CellView {
public:
    explicit FakeCell(WriteLog& log, std::int16_t grid = -1, std::int16_t cell = -1);

    ui::Button& btnBlock(std::int16_t index) override { return *buttons_.at(index); }
    ui::Label& lbl() override { return label_; }

    FakeButton& button(std::int16_t index) { return *buttons_.at(index); }
    const FakeButton& button(std::int16_t index) const { return *buttons_.at(index); }
    const FakeLabel& label() const { return label_; }
    CellState visibleState() const;

    ui::DrawnCell& drawn() { return drawn_; }
    // Whether every square, as last painted, shows what the drawn cell holds now.
    bool paintedAsHeld() const;

private:
    void cellChanged(std::int16_t part, Change change) override;
    // No front-end here to take the focus on: it leaves the cell.
    void passFocusOn() override { drawn_.focusOut(); }

    ui::DrawnCell drawn_;
    std::array<ui::DrawnCell::Look, 9> painted_;
    std::string paintedCaption_;
    std::array<std::unique_ptr<FakeButton>, 9> buttons_;
    FakeLabel label_;
};

} // namespace support
