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

    // Whether `window`, a child of the board, is a control that draws itself.
    static bool drawsItself(HWND window);
    // Draws such a control into `area` of `dc` as its paint message would: the
    // same state, the same drawing, enabled or not as `enabled` says. Only the
    // control with the focus can show it or be pressed.
    static void drawInto(HWND window, HDC dc, const RECT& area, bool enabled, bool focused);
    // Whether `window` is a button of the board that takes clicks now.
    static bool clickable(HWND window);
    // Clicks such a button as a quick click of the mouse does once both its press
    // and its release have come: it takes the focus and tells its parent.
    static void click(HWND window);

protected:
    ChildControl() = default;
    ChildControl(const ChildControl&) = delete;
    ChildControl& operator=(const ChildControl&) = delete;

    // Makes this object answer for the window's notifications.
    void attachTo(HWND window);

    virtual void onClicked() {}
    virtual void onDrawItem(const DRAWITEMSTRUCT&) {}
    // ODT_BUTTON or ODT_STATIC for a control that onDrawItem draws; 0 for one the system draws.
    virtual UINT drawnAs() const { return 0; }
    virtual bool clicks() const { return false; }

private:
    static ChildControl* from(HWND window);
};

} // namespace ui::win32
