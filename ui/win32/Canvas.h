#pragma once
#include <cstdint>

#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// A bitmap of 32-bit pixels, top row first, selected into a device context of its
// own, to draw in off the screen and read back (`first`, row after row). It is
// filled once when it is made, so that the memory behind it is there before
// anything draws on it.
struct Canvas {
    HDC dc = nullptr;
    HBITMAP bits = nullptr;
    HGDIOBJ previous = nullptr;
    std::uint32_t* first = nullptr;

    void make(HDC like, int width, int height)
    {
        BITMAPINFO format{};
        format.bmiHeader = {sizeof format.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* pixels = nullptr;
        dc = CreateCompatibleDC(like);
        bits = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &pixels, nullptr, 0);
        first = static_cast<std::uint32_t*>(pixels);
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
