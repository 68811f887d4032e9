#include <exception>

#include "app/modOrvane.h"
#include "ui/Dispatch.h"
#include "ui/win32/FailureBox.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/Win32Platform.h"

// The process entry point: bring the platform up, let Main show the board, and
// deliver events until the board window is closed, which ends the program.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    try {
        ui::win32::Win32Platform platform(instance);
        modOrvane::Main(platform);
        const int status = ui::win32::runMessageLoop();
        modOrvane::releaseBoard();
        return status;
    } catch (const std::exception& e) {
        ui::endWithFailure(e.what(), &ui::win32::showFailureBox);
    }
}
