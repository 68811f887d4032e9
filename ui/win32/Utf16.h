#pragma once
#include <string>
#include <string_view>

#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// The board's texts are UTF-8, as the catalogue's are; Windows takes UTF-16.
inline std::wstring utf16(std::string_view utf8)
{
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

} // namespace ui::win32
