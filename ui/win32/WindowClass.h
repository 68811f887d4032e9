#pragma once
#include "ui/win32/WindowsApi.h"
#include "ui/win32/WindowsError.h"

namespace ui::win32 {

// Registers one of the board's window classes, with the arrow cursor and no
// double clicks (a quick second click is a click of its own), unless the
// instance has it already: every board window, and every one the tests build,
// asks again.
inline void registerClassOnce(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HBRUSH background = nullptr)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, name, &windowClass))
        return;
    windowClass = {
        sizeof windowClass, 0,       procedure, 0,      0, instance, nullptr, LoadCursorW(nullptr, IDC_ARROW),
        background,         nullptr, name,      nullptr};
    checked(RegisterClassExW(&windowClass), "RegisterClassEx");
}

} // namespace ui::win32
