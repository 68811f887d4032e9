#include "ui/win32/FailureBox.h"

#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

void showFailureBox(const char* message)
{
    MessageBoxA(nullptr, message, "Orvane: internal error", MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
}

} // namespace ui::win32
