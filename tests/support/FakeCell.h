#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "support/FakeButton.h"
#include "support/FakeLabel.h"
#include "support/VisibleState.h"
#include "support/WriteLog.h"
#include "ui/Controls.h"

namespace support {

// The children of one cell as the stored design creates them: nine visible,
// enabled buttons, "9" on the Active-border face and the rest on Button face,
// over a label whose design caption is "1". grid and cell name the cell in the
// log; leave them at -1 for a cell tested on its own. Every write is also passed
// on to `mirror`, a cell as the desktops draw it, when there is one.
class FakeCell final : public ui::CellControls {
public:
    explicit FakeCell(WriteLog& log, std::int16_t grid = -1, std::int16_t cell = -1,
                      ui::CellControls* mirror = nullptr);

    ui::Button& btnBlock(std::int16_t index) override { return *buttons_.at(index); }
    ui::Label& lbl() override { return label_; }

    FakeButton& button(std::int16_t index) { return *buttons_.at(index); }
    const FakeButton& button(std::int16_t index) const { return *buttons_.at(index); }
    const FakeLabel& label() const { return label_; }
    CellState visibleState() const;

private:
    std::array<std::unique_ptr<FakeButton>, 9> buttons_;
    FakeLabel label_;
};

} // namespace support
