#include "ui/win32/PaintPass.h"

#include <string_view>

#include "ui/win32/ChildControl.h"
#include "ui/win32/ContainerWindow.h"

namespace ui::win32 {

PaintPass* PaintPass::open_ = nullptr;

HWND PaintPass::learnt_ = nullptr;
std::vector<PaintPass::Painted> PaintPass::paintOrder_;
PaintPass::Canvas PaintPass::scene_, PaintPass::scratch_;

void PaintPass::Canvas::make(HDC like, int width, int height)
{
    dc = CreateCompatibleDC(like);
    bits = CreateCompatibleBitmap(like, width, height);
    previous = SelectObject(dc, bits);
}

void PaintPass::Canvas::release()
{
    if (!dc)
        return;
    SelectObject(dc, previous);
    DeleteObject(bits);
    DeleteDC(dc);
    *this = {};
}

void PaintPass::learn(HWND top)
{
    learnt_ = top;
    paintOrder_.clear();
    collect(top, top);
    scene_.release();
    scratch_.release();
    RECT inner;
    GetClientRect(top, &inner);
    HDC screen = GetDC(top);
    scene_.make(screen, inner.right, inner.bottom);
    scratch_.make(screen, inner.right, inner.bottom);
    ReleaseDC(top, screen);
}

void PaintPass::collect(HWND top, HWND window)
{
    RECT place;
    GetClientRect(window, &place);
    MapWindowPoints(window, top, reinterpret_cast<POINT*>(&place), 2);
    const std::size_t at = paintOrder_.size();
    paintOrder_.push_back({window, place, 0, drawnHow(top, window)});
    HWND topmost = GetWindow(window, GW_CHILD);
    for (HWND child = topmost ? GetWindow(topmost, GW_HWNDLAST) : nullptr; child; child = GetWindow(child, GW_HWNDPREV))
        collect(top, child);
    paintOrder_[at].end = paintOrder_.size();
}

// The board window, its boxes and its cells only fill their background, and the
// board's owner-drawn controls draw what their paint message would; all of them
// can draw anywhere in a device context. The system's own controls draw at the
// context's origin.
PaintPass::Painted::Drawn PaintPass::drawnHow(HWND top, HWND window)
{
    if (window == top)
        return Painted::Drawn::Background;
    if (ChildControl::drawsItself(window))
        return Painted::Drawn::ByItself;
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return std::wstring_view(name) == containerWindowClass ? Painted::Drawn::Background : Painted::Drawn::BySystem;
}

// Draws every shown window that reaches into the changed area, whole and
// unclipped, into `scene`, whose origin is the top window's inner top-left
// corner, each above the ones before it; a hidden window hides what it holds.
// Only the changed area of the scene goes to the screen, so what the windows
// draw beyond it does no harm, and drawing without a clip region is quicker. A
// system control paints into a device context of its own (`scratch`, as large as
// the top window) and is copied to its place; the others draw in place.
void PaintPass::draw(HRGN area, HDC scene, HDC scratch)
{
    for (std::size_t n = 0; n < paintOrder_.size();) {
        const Painted& painted = paintOrder_[n];
        const RECT& at = painted.place;
        if (!(GetWindowLongW(painted.window, GWL_STYLE) & WS_VISIBLE) || !RectInRegion(area, &at)) {
            n = painted.end;
            continue;
        }
        if (painted.drawn != Painted::Drawn::BySystem) {
            SetViewportOrgEx(scene, at.left, at.top, nullptr);
            if (painted.drawn == Painted::Drawn::ByItself)
                ChildControl::drawInto(painted.window, scene);
            else
                SendMessageW(painted.window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(scene), 0);
            SetViewportOrgEx(scene, 0, 0, nullptr);
        } else {
            SendMessageW(painted.window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(scratch), 0);
            SendMessageW(painted.window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(scratch), PRF_CLIENT);
            BitBlt(scene, at.left, at.top, at.right - at.left, at.bottom - at.top, scratch, 0, 0, SRCCOPY);
        }
        ++n;
    }
}

PaintPass::PaintPass(HWND control) : top_(GetAncestor(control, GA_ROOT)), outer_(open_)
{
    if (outer_ || !top_ || !IsWindowVisible(top_))
        return;
    if (top_ != learnt_)
        learn(top_);
    area_ = CreateRectRgn(0, 0, 0, 0);
    focus_ = GetFocus();
    SendMessageW(top_, WM_SETREDRAW, FALSE, 0);
    open_ = this;
}

// Painting the windows in place, each in its own paint message, would let the
// window system show the board between two of them (Wine puts its drawing on the
// screen at the end of every paint once a click has taken 50 ms).
PaintPass::~PaintPass()
{
    if (open_ != this)
        return;
    open_ = nullptr;
    SendMessageW(top_, WM_SETREDRAW, TRUE, 0);

    RECT inner;
    GetClientRect(top_, &inner);
    // Not clipped to the top window's own area: the copy covers its children too.
    HDC screen = GetDCEx(top_, nullptr, DCX_CACHE);
    draw(area_, scene_.dc, scratch_.dc);
    SelectClipRgn(screen, area_);
    BitBlt(screen, 0, 0, inner.right, inner.bottom, scene_.dc, 0, 0, SRCCOPY);
    ReleaseDC(top_, screen);
    // What is on the screen now is what the windows would paint there.
    RedrawWindow(top_, nullptr, area_, RDW_VALIDATE | RDW_ALLCHILDREN);
    DeleteObject(area_);
}

void PaintPass::setStyle(HWND control, LONG bits, bool set)
{
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    SetWindowLongW(control, GWL_STYLE, set ? style | bits : style & ~bits);
}

bool PaintPass::hasFocus(HWND control)
{
    if (!open_ || open_->focus_ != control)
        return false;
    open_->focus_ = nullptr;
    return true;
}

bool PaintPass::changed(HWND control)
{
    if (!open_)
        return false;
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(HWND_DESKTOP, open_->top_, reinterpret_cast<POINT*>(&place), 2);
    HRGN more = CreateRectRgnIndirect(&place);
    CombineRgn(open_->area_, open_->area_, more, RGN_OR);
    DeleteObject(more);
    return true;
}

} // namespace ui::win32
