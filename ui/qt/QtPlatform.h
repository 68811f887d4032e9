#pragma once
#include "ui/Controls.h"

namespace ui::qt {

// The Qt Widgets platform: builds the board window from the stored designs. A
// QApplication must exist first.
class QtPlatform final : public ui::Platform {
public:
    std::unique_ptr<ui::BoardWindow> createBoardWindow() override;
};

} // namespace ui::qt
