#pragma once
#include <memory>

#include "ui/Controls.h"
#include "ui/win32/Win32BoardWindow.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// The widget platform on Windows: registers the window classes of the board and
// makes the board window with every control from the stored designs. The
// application icon, where the module carries one, goes on the window too.
class Win32Platform final : public Platform {
public:
    explicit Win32Platform(HINSTANCE instance);

    std::unique_ptr<BoardWindow> createBoardWindow() override;

private:
    HINSTANCE instance_ = nullptr;
    Win32BoardWindow::Icons icons_;
};

} // namespace ui::win32
