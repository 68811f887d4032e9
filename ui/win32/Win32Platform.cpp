#include "ui/win32/Win32Platform.h"

#include "ui/win32/BoardSurface.h"
#include "ui/win32/resource.h"

namespace ui::win32 {

namespace {

HICON loadIcon(HINSTANCE instance, int widthMetric, int heightMetric)
{
    // Shared icons belong to the module and need no release.
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_ORVANE), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), LR_SHARED));
}

} // namespace

Win32Platform::Win32Platform(HINSTANCE instance)
    : instance_(instance),
      icons_{loadIcon(instance, SM_CXICON, SM_CYICON), loadIcon(instance, SM_CXSMICON, SM_CYSMICON)}
{
    Win32BoardWindow::registerClass(instance_);
    BoardSurface::registerClass(instance_);
}

std::unique_ptr<BoardWindow> Win32Platform::createBoardWindow()
{
    return std::make_unique<Win32BoardWindow>(instance_, icons_);
}

} // namespace ui::win32
