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

} // namespace ui::win32
