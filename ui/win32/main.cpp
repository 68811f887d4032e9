#include <exception>

#include "app/modOrvane.h"
#include "ui/Dispatch.h"
#include "ui/win32/FailureBox.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/Win32Platform.h"
#include "ui/win32/resource.h"

#include <objbase.h>

// The process entry point: bring the platform up, let Main show the board, and
// deliver events until the board window is closed, which ends the program. The
// window's thread joins COM's single-threaded apartment, through which screen
// readers reach the board's accessible objects.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ui::holdFailureWords();
    try {
        ui::win32::Win32Platform platform(instance);
        modOrvane::Main(platform);
        const int status = ui::win32::runMessageLoop(LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDA_ORVANE)));
        modOrvane::releaseBoard();
        return status;
    } catch (const std::exception& e) {
        ui::endWithFailure(e.what(), &ui::win32::showFailureBox);
    }
}
