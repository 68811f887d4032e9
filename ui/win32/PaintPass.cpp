#include "ui/win32/PaintPass.h"

#include <string_view>
#include <utility>

#include "ui/win32/ChildControl.h"
#include "ui/win32/ContainerWindow.h"

namespace ui::win32 {

PaintPass* PaintPass::open_ = nullptr;

HWND PaintPass::learnt_ = nullptr;
std::vector<PaintPass::Painted> PaintPass::paintOrder_;
std::unordered_map<HWND, std::size_t> PaintPass::places_;
Canvas PaintPass::scene_, PaintPass::scratch_;
unsigned PaintPass::styled_ = 0, PaintPass::noted_ = 0;

void PaintPass::learn(HWND top)
{
    learnt_ = top;
    paintOrder_.clear();
    places_.clear();
    collect(top, top);
    for (std::size_t n = 0; n < paintOrder_.size(); ++n)
        places_.emplace(paintOrder_[n].window, n);
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
    RECT place, frame;
    GetClientRect(window, &place);
    MapWindowPoints(window, top, reinterpret_cast<POINT*>(&place), 2);
    GetWindowRect(window, &frame);
    MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&frame), 2);
    const std::size_t at = paintOrder_.size();
    paintOrder_.push_back({window, place, frame, 0, drawnHow(top, window)});
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

PaintPass::Painted* PaintPass::painted(HWND window)
{
    const auto found = places_.find(window);
    return found == places_.end() ? nullptr : &paintOrder_[found->second];
}

// A style is read once a pass, and what the pass writes is kept here until the
// window system has it.
LONG PaintPass::styleOf(Painted& painted)
{
    if (painted.styled != styled_) {
        painted.style = GetWindowLongW(painted.window, GWL_STYLE);
        painted.styled = styled_;
    }
    return painted.style;
}

namespace {

bool overlap(const RECT& a, const RECT& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool holds(const RECT& outer, const RECT& inner)
{
    return outer.left <= inner.left && inner.right <= outer.right && outer.top <= inner.top &&
           inner.bottom <= outer.bottom;
}

} // namespace

// Every window of the board fills the whole of its rectangle. So what shows in
// a changed rectangle is the last shown window in painting order that holds it
// all, with the shown windows painted after it that reach into it: those alone
// are drawn, each whole and unclipped, into `scene`, whose origin is the top
// window's inner top-left corner, and all in painting order, so that a window
// drawn for one change and reaching into another is drawn over there by what
// shows above it. A hidden window hides what it holds. Only the changed area of
// the scene goes to the screen, so what the windows draw beyond it does no harm.
// A system control paints into a device context of its own (`scratch`, as large
// as the top window) and is copied to its place; the others draw in place.
void PaintPass::draw(const std::vector<RECT>& changes, HDC scene, HDC scratch)
{
    static std::vector<bool> drawn;
    static std::vector<std::size_t> shows;
    drawn.assign(paintOrder_.size(), false);
    for (const RECT& change : changes) {
        shows.clear();
        for (std::size_t n = 0; n < paintOrder_.size();) {
            Painted& painted = paintOrder_[n];
            if (!overlap(painted.place, change) || !(styleOf(painted) & WS_VISIBLE)) {
                n = painted.end;
                continue;
            }
            if (holds(painted.place, change))
                shows.clear();
            shows.push_back(n++);
        }
        for (const std::size_t n : shows)
            drawn[n] = true;
    }
    HWND focus = open_ && open_->focusMoved_ ? open_->focus_ : GetFocus();
    for (std::size_t n = 0; n < paintOrder_.size(); ++n) {
        if (!drawn[n])
            continue;
        Painted& painted = paintOrder_[n];
        const RECT& at = painted.place;
        if (painted.drawn == Painted::Drawn::ByItself) {
            ChildControl::drawInto(painted.window, scene, at, (styleOf(painted) & WS_DISABLED) == 0,
                                   painted.window == focus);
        } else if (painted.drawn == Painted::Drawn::Background) {
            SetViewportOrgEx(scene, at.left, at.top, nullptr);
            SendMessageW(painted.window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(scene), 0);
            SetViewportOrgEx(scene, 0, 0, nullptr);
        } else {
            SendMessageW(painted.window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(scratch), 0);
            SendMessageW(painted.window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(scratch), PRF_CLIENT);
            BitBlt(scene, at.left, at.top, at.right - at.left, at.bottom - at.top, scratch, 0, 0, SRCCOPY);
        }
    }
}

// Nothing else draws on the board while a pass is open: a click's writes wait
// for its end, and a control asked to draw only says so (ChildControl). The
// focus is learnt again by a pass opened inside another, as the press of a
// button moves it before the click, unless the pass moves it itself.
PaintPass::PaintPass(HWND control) : top_(GetAncestor(control, GA_ROOT)), outer_(open_)
{
    if (outer_) {
        if (!outer_->focusMoved_)
            outer_->focus_ = GetFocus();
        return;
    }
    if (!top_ || !IsWindowVisible(top_))
        return;
    if (top_ != learnt_)
        learn(top_);
    area_ = CreateRectRgn(0, 0, 0, 0);
    focus_ = GetFocus();
    ++styled_;
    ++noted_;
    open_ = this;
}

// Painting the windows in place, each in its own paint message, would let the
// window system show the board between two of them (Wine puts its drawing on the
// screen at the end of every paint once a click has taken 50 ms). The pass stays
// open while its writes are made, in case one of them asks for a control to be
// drawn again.
PaintPass::~PaintPass()
{
    if (open_ != this)
        return;
    HRGN shown = CreateRectRgn(0, 0, 0, 0);
    while (IsWindow(top_)) {
        if (!changes_.empty()) {
            show();
            CombineRgn(shown, shown, area_, RGN_OR);
            SetRectRgn(area_, 0, 0, 0, 0);
            changes_.clear();
        }
        // The board shows the focus where it goes already: the controls that
        // ask to be drawn as it arrives were noted in this round.
        if (focusMoved_) {
            focusMoved_ = false;
            SetFocus(focus_);
        }
        ++noted_;
        if (writes_.empty())
            break;
        write();
        ++styled_;
    }
    open_ = nullptr;
    // What is on the screen now is what the windows would paint there.
    if (IsWindow(top_))
        RedrawWindow(top_, nullptr, shown, RDW_VALIDATE | RDW_ALLCHILDREN);
    DeleteObject(shown);
    DeleteObject(area_);
}

// Draws the changed area and puts it on the screen. Wine shows what a window
// has drawn only when its thread next waits for a message; a wait that returns
// at once shows it now, before the pass's writes are made.
void PaintPass::show()
{
    RECT inner;
    GetClientRect(top_, &inner);
    // Not clipped to the top window's own area: the copy covers its children too.
    HDC screen = GetDCEx(top_, nullptr, DCX_CACHE);
    draw(changes_, scene_.dc, scratch_.dc);
    SelectClipRgn(screen, area_);
    BitBlt(screen, 0, 0, inner.right, inner.bottom, scene_.dc, 0, 0, SRCCOPY);
    ReleaseDC(top_, screen);
    MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, 0);
}

void PaintPass::write()
{
    std::vector<Write> writes;
    writes.swap(writes_);
    for (Write& made : writes) {
        const Painted& painted = paintOrder_[made.painted];
        if (made.bits) {
            const LONG style = GetWindowLongW(painted.window, GWL_STYLE);
            SetWindowLongW(painted.window, GWL_STYLE, made.set ? style | made.bits : style & ~made.bits);
        } else {
            DefWindowProcW(painted.window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(made.text.c_str()));
        }
        if (made.event)
            NotifyWinEvent(made.event, painted.window, OBJID_WINDOW, CHILDID_SELF);
    }
}

void PaintPass::setStyle(HWND control, LONG bits, bool set, DWORD event)
{
    Painted* painted = PaintPass::painted(control);
    const LONG style = painted ? styleOf(*painted) : GetWindowLongW(control, GWL_STYLE);
    const LONG now = set ? style | bits : style & ~bits;
    if (!painted) {
        SetWindowLongW(control, GWL_STYLE, now);
        NotifyWinEvent(event, control, OBJID_WINDOW, CHILDID_SELF);
        return;
    }
    painted->style = now;
    open_->writes_.push_back({static_cast<std::size_t>(painted - paintOrder_.data()), bits, set, event, {}});
}

void PaintPass::setText(HWND control, std::wstring text)
{
    const Painted* painted = PaintPass::painted(control);
    if (!painted) {
        DefWindowProcW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        return;
    }
    open_->writes_.push_back({static_cast<std::size_t>(painted - paintOrder_.data()), 0, false, 0, std::move(text)});
}

bool PaintPass::hasFocus(HWND control) { return open_ && open_->focus_ == control; }

// The system's own controls draw the focus that the window system gives them,
// so a move of the focus from or to one of them is made at once.
void PaintPass::setFocus(HWND window)
{
    const auto drawnBySystem = [](HWND shown) {
        const Painted* known = shown ? painted(shown) : nullptr;
        return shown && (!known || known->drawn == Painted::Drawn::BySystem);
    };
    if (!open_ || drawnBySystem(open_->focus_) || drawnBySystem(window)) {
        if (open_) {
            open_->focus_ = window;
            open_->focusMoved_ = false;
        }
        SetFocus(window);
        return;
    }
    for (HWND shown : {open_->focus_, window})
        if (shown && painted(shown)->drawn == Painted::Drawn::ByItself)
            changed(shown);
    open_->focus_ = window;
    open_->focusMoved_ = true;
}

Pixels PaintPass::sceneOf(HDC dc) { return dc && dc == scene_.dc ? scene_.pixels : Pixels{}; }

bool PaintPass::onBoard(HWND window) { return learnt_ && window && GetAncestor(window, GA_ROOT) == learnt_; }

bool PaintPass::changed(HWND control)
{
    if (!open_)
        return false;
    Painted* known = painted(control);
    RECT place;
    if (known) {
        if (known->noted == noted_)
            return true;
        known->noted = noted_;
        place = known->frame;
    } else {
        GetWindowRect(control, &place);
        MapWindowPoints(HWND_DESKTOP, open_->top_, reinterpret_cast<POINT*>(&place), 2);
    }
    open_->changes_.push_back(place);
    HRGN more = CreateRectRgnIndirect(&place);
    CombineRgn(open_->area_, open_->area_, more, RGN_OR);
    DeleteObject(more);
    return true;
}

} // namespace ui::win32
