#pragma once
#include <cstdint>
#include <memory>

#include "ui/Controls.h"
#include "ui/win32/BoardSurface.h"
#include "ui/win32/Canvas.h"
#include "ui/win32/CommandButton.h"
#include "ui/win32/Fonts.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// The board window "Form2": a fixed frame around an inner area of the designed
// size at the window's resolution, holding the board surface (the nine boxes, drawn)
// and the three command buttons. Closing it ends the message loop. Tab moves
// between the board and the commands through the dialog manager (see
// MessageLoop), and like a dialog the
// window keeps track of the focused control while it is inactive. Colours are
// the system's at the time of drawing; Windows draws every window again when the
// user changes them.
class Win32BoardWindow final : public BoardWindow {
public:
    static constexpr const wchar_t* windowClass = L"OrvaneBoard";
    static void registerClass(HINSTANCE instance);

    struct Icons {
        HICON iconBig = nullptr;
        HICON iconSmall = nullptr;
    };

    Win32BoardWindow(HINSTANCE instance, Icons icons);
    ~Win32BoardWindow() override;
    Win32BoardWindow(const Win32BoardWindow&) = delete;
    Win32BoardWindow& operator=(const Win32BoardWindow&) = delete;

    BoxControls& usrcntGrid(std::int16_t index) override { return surface_->board().box(index); }
    Button& cmdFix() override { return *fix_; }
    Button& cmdUnFix() override { return *unFix_; }
    Button& cmdReset() override { return *reset_; }
    void show() override;

    HWND window() const { return window_; }
    BoardSurface& surface() { return *surface_; }

private:
    static constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    static constexpr DWORD exStyle = WS_EX_CONTROLPARENT;

    static HWND createFrame(HINSTANCE instance, Win32BoardWindow* self);
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool command(WPARAM wParam, LPARAM lParam);
    void fitInnerArea() const;
    std::unique_ptr<CommandButton> makeCommand(const designs::Control& design) const;

    HWND window_ = nullptr;
    int dpi_ = 96;
    // Declared before the controls that use them, so they are released after
    // them.
    Fonts fonts_;
    Canvas canvas_; // where the board is drawn before it is shown
    std::unique_ptr<BoardSurface> surface_;
    std::unique_ptr<CommandButton> reset_, fix_, unFix_;
    // The control that had the focus when the window was last deactivated.
    HWND focus_ = nullptr;
};

} // namespace ui::win32
