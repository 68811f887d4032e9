#pragma once
#include <stdexcept>
#include <string>

#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// A failed window-system call is a programming error: it ends the routine, and the
// click's dispatch (or the entry point) reports it.
[[noreturn]] inline void throwLastError(const char* call)
{
    throw std::runtime_error(std::string(call) + " failed with Windows error " + std::to_string(GetLastError()));
}

template <class Handle>
Handle checked(Handle handle, const char* call)
{
    if (!handle)
        throwLastError(call);
    return handle;
}

// Registers one of the board's window classes, with the arrow cursor and no
// double clicks (a quick second click is a click of its own), unless the
// instance has it already: every board window, and every one the tests build,
// asks again.
inline void registerClassOnce(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                              HBRUSH background = nullptr, int extraBytes = 0)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, name, &windowClass))
        return;
    windowClass = {sizeof windowClass, 0, procedure, 0, extraBytes, instance, nullptr, LoadCursorW(nullptr, IDC_ARROW),
                   background, nullptr, name, nullptr};
    checked(RegisterClassExW(&windowClass), "RegisterClassEx");
}

} // namespace ui::win32
