#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "ui/Controls.h"
#include "ui/Designs.h"
#include "ui/win32/CellWindow.h"
#include "ui/win32/Fonts.h"
#include "ui/win32/Pixels.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// One box's window: nine cell windows on the box's background, which shows only
// in the gaps between them.
class Win32Box final : public BoxControls {
public:
    Win32Box(HWND board, const designs::Control& design, int dpi, const Fonts& fonts, Canvas& buffer);

    CellControls& usrcntSquare(std::int16_t index) override { return *cells_.at(static_cast<std::size_t>(index)); }

private:
    HWND window_ = nullptr;
    std::array<std::unique_ptr<CellWindow>, 9> cells_;
};

} // namespace ui::win32
