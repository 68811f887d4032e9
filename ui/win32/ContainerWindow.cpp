#include "ui/win32/ContainerWindow.h"

#include "ui/win32/Layout.h"
#include "ui/win32/SystemColors.h"
#include "ui/win32/WindowsError.h"

namespace ui::win32 {

namespace {

// The background colour lives in the window's extra bytes, set from the creation data.
constexpr int backgroundSlot = 0;

LRESULT CALLBACK containerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, backgroundSlot, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        break;
    }
    case WM_ERASEBKGND: {
        const auto background =
            static_cast<SysColor>(static_cast<std::uint32_t>(GetWindowLongPtrW(window, backgroundSlot)));
        RECT area;
        GetClientRect(window, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, brushOf(background));
        return TRUE;
    }
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

void registerContainerClass(HINSTANCE instance)
{
    registerClassOnce(instance, containerWindowClass, containerProc, nullptr, sizeof(LONG_PTR));
}

HWND createContainer(HWND parent, const designs::Control& design, SysColor background, int dpi)
{
    auto* backgroundParam = reinterpret_cast<void*>(static_cast<std::uintptr_t>(background));
    return createChild(containerWindowClass, design, parent, dpi, WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                       WS_EX_CONTROLPARENT, backgroundParam);
}

} // namespace ui::win32
