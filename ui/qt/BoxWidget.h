#pragma once
#include <array>
#include <cstdint>

#include "ui/Controls.h"
#include "ui/Designs.h"
#include "ui/qt/CellWidget.h"
#include "ui/qt/ColorArea.h"

namespace ui::qt {

// One box: nine cells on the workspace colour, which shows only in the gaps. It
// knows its index on the board only to tell its cells where they lie.
class BoxWidget final : public ColorArea, public ui::BoxControls {
public:
    BoxWidget(std::int16_t index, const ui::designs::Control& design, QWidget* parent);

    ui::CellControls& usrcntSquare(std::int16_t index) override { return cell(index); }
    CellWidget& cell(std::int16_t index) { return *cells_.at(static_cast<std::size_t>(index)); }

private:
    std::array<CellWidget*, 9> cells_{};  // owned by this widget as their Qt parent
};

} // namespace ui::qt
