#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "support/FakeCell.h"
#include "support/WriteLog.h"
#include "ui/Controls.h"

namespace support {

// The nine cells of one box. grid names the box in the log; -1 for a box tested on
// its own. Every write also reaches `mirror`'s cells, when there is one.
class FakeBox final : public ui::BoxControls {
public:
    explicit FakeBox(WriteLog& log, std::int16_t grid = -1, ui::BoxControls* mirror = nullptr);

    ui::CellControls& usrcntSquare(std::int16_t index) override { return *cells_.at(index); }

    FakeCell& cell(std::int16_t index) { return *cells_.at(index); }
    const FakeCell& cell(std::int16_t index) const { return *cells_.at(index); }

private:
    std::array<std::unique_ptr<FakeCell>, 9> cells_;
};

} // namespace support
