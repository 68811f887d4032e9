#include "ui/qt/QtPlatform.h"

#include "ui/qt/QtBoardWindow.h"

namespace ui::qt {

std::unique_ptr<ui::BoardWindow> QtPlatform::createBoardWindow() { return std::make_unique<QtBoardWindow>(); }

} // namespace ui::qt
