#pragma once
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// A child window of the board that answers the notifications the window system
// sends its parent: a click, or a request to draw an owner-drawn button or label.
// The parent's window procedure hands them on with route; the object is found
// through the child window's user data.
class ChildControl {
public:
    virtual ~ChildControl() = default;

    // Handles a parent's notification if it comes from a ChildControl's window.
    static bool route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    ChildControl() = default;
    ChildControl(const ChildControl&) = delete;
    ChildControl& operator=(const ChildControl&) = delete;

    // Makes this object answer for the window's notifications.
    void attachTo(HWND window);

    virtual void onClicked() {}
    virtual void onDrawItem(const DRAWITEMSTRUCT&) {}

private:
    static ChildControl* from(HWND window);
};

} // namespace ui::win32
