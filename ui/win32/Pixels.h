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

// Such a bitmap selected into a device context of its own, to draw in off the
// screen and read back. It is filled once when it is made, so that the memory
// behind it is there before anything draws on it.
struct Canvas {
    HDC dc = nullptr;
    HBITMAP bits = nullptr;
    Pixels pixels;
    HGDIOBJ previous = nullptr;

    void make(HDC like, int width, int height)
    {
        dc = CreateCompatibleDC(like);
        void* first = nullptr;
        bits = createPixels(width, height, &first);
        pixels = {static_cast<std::uint32_t*>(first), width, height};
        previous = SelectObject(dc, bits);
        PatBlt(dc, 0, 0, width, height, WHITENESS);
    }

    void release()
    {
        if (!dc)
            return;
        SelectObject(dc, previous);
        DeleteObject(bits);
        DeleteDC(dc);
        *this = {};
    }
};

} // namespace ui::win32
