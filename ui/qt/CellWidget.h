#pragma once
#include <cstdint>

#include "ui/BoardPlace.h"
#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Designs.h"
#include "ui/qt/CandidateControl.h"
#include "ui/qt/ColorArea.h"
#include "ui/qt/DigitLabel.h"

namespace ui::qt {

// One cell as stored in its design: the label lbl over the whole cell and, above
// it, the nine candidate buttons btnBlock. Qt stacks later children on top, so the
// label is made first. Each button is named for assistive technology by the cell's
// place on the board and its digit; its caption stays the digit alone.
class CellWidget final : public ColorArea, public ui::CellControls {
public:
    CellWidget(const ui::designs::Control& design, ui::RowColumn place, QWidget* parent);

    ui::Button& btnBlock(std::int16_t index) override { return buttons_(index); }
    ui::Label& lbl() override { return *label_; }

    CandidateButton& button(std::int16_t index) { return buttons_(index).widget(); }
    DigitLabel& label() { return *label_; }

private:
    DigitLabel* label_;
    ui::ControlArray<CandidateControl> buttons_;
};

} // namespace ui::qt
