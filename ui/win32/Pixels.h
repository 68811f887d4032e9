#pragma once
#include <cstdint>

#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// A bitmap of 32-bit pixels, top row first, whose memory can be written to
// directly; `bits` receives its first pixel.
inline HBITMAP createPixels(int width, int height, void** bits)
{
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, bits, nullptr, 0);
}

// Such a bitmap's pixels, row after row.
struct Pixels {
    std::uint32_t* first = nullptr;
    int width = 0, height = 0;
};

} // namespace ui::win32
