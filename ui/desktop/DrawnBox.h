#pragma once
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "ui/Controls.h"
#include "ui/desktop/DrawnCell.h"

namespace ui::desktop {

// A box's nine drawn cells, as the core addresses them: usrcntGrid(b) of the board window.
class DrawnBox final : public BoxControls {
public:
    explicit DrawnBox(const std::array<DrawnCell*, 9>& cells) : cells_(cells) {}
    CellControls& usrcntSquare(std::int16_t index) override
    {
        if (index < 0 || index >= 9)
            throw std::out_of_range("usrcntSquare: no cell " + std::to_string(index));
        return *cells_.at(static_cast<std::size_t>(index));
    }

private:
    std::array<DrawnCell*, 9> cells_;
};

} // namespace ui::desktop
