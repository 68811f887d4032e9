#include "ui/win32/CandidateButton.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <tuple>

#include "ui/win32/Layout.h"
#include "ui/win32/PaintPass.h"
#include "ui/win32/Pixels.h"
#include "ui/win32/SystemColors.h"
#include "ui/win32/WindowsError.h"

namespace ui::win32 {

void CandidateButton::registerClass(HINSTANCE instance)
{
    WNDCLASSEXW button{};
    button.cbSize = sizeof button;
    if (!GetClassInfoExW(nullptr, L"BUTTON", &button))
        throwLastError("GetClassInfoEx");
    button.style &= ~static_cast<UINT>(CS_DBLCLKS);
    button.hInstance = instance;
    button.lpszClassName = windowClass;
    registerClassOnce(button);
}

CandidateButton::CandidateButton(HWND cell, const designs::Control& design, RowColumn place, int dpi,
                                 HFONT font)
    : ButtonWindow(createChild(windowClass, design, cell, dpi, WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | BS_OWNERDRAW),
                   font, design.face),
      face_(design.face),
      caption_(design.caption.begin(), design.caption.end()),
      font_(font)
{
    const std::string name = candidateName(place, design.index);
    SetWindowTextW(window(), std::wstring(name.begin(), name.end()).c_str());
    prepareLooks();
}

// Two system colours can be the same colour (Active border and Button face are in
// many schemes); a face that stays the same colour is not drawn again.
void CandidateButton::showBackColor(SysColor color)
{
    const bool same = resolve(color) == resolve(face_);
    face_ = color;
    if (!same && !PaintPass::changed(window()))
        InvalidateRect(window(), nullptr, FALSE);
}

namespace {

using LookKey = CandidateButton::Look;

// A board shows 729 candidate buttons in a few looks: a caption, a face, enabled
// or not. "Reset" draws all of them, and drawing each one's face, edge and
// caption anew costs the player more time than the rest of the click together;
// so each look at rest is drawn once, here, and copied after. A look is known by
// every colour and the font it is drawn with, so that a change of the user's
// colours draws it anew. A pressed button is drawn in place, and a focused one
// gets its focus rectangle in place, over its look: the rectangle's dots follow
// its place on the screen.
class Looks {
public:
    // Where look `key` of a button `width` by `height` lies in the sheet, drawn
    // first with `draw` when it is new; none when no room is left for it.
    template <typename Draw>
    std::optional<POINT> find(int width, int height, const LookKey& key, Draw draw)
    {
        if (!sheet_.dc) {
            sheet_.make(nullptr, width * columns, height * rows);
            width_ = width;
            height_ = height;
        }
        if (width != width_ || height != height_)
            return std::nullopt;
        auto found = slots_.find(key);
        if (found == slots_.end()) {
            if (slots_.size() == columns * rows)
                return std::nullopt;
            found = slots_.emplace(key, static_cast<int>(slots_.size())).first;
            const RECT slot{0, 0, width, height};
            SetViewportOrgEx(sheet_.dc, found->second % columns * width, found->second / columns * height, nullptr);
            draw(sheet_.dc, slot);
            SetViewportOrgEx(sheet_.dc, 0, 0, nullptr);
        }
        return POINT{found->second % columns * width, found->second / columns * height};
    }

    // Copies look `key` to `area` of `dc`, as find finds it; false when there is
    // no room for it. Into the paint pass's scene, whose pixels lie in memory as
    // the sheet's do, a look is copied row by row: the window system's copy
    // costs more than the rest of the drawing.
    template <typename Draw>
    bool copy(HDC dc, const RECT& area, const LookKey& key, Draw draw)
    {
        const int width = area.right - area.left, height = area.bottom - area.top;
        const std::optional<POINT> at = find(width, height, key, draw);
        if (!at)
            return false;
        const Pixels target = PaintPass::sceneOf(dc);
        if (target.first && area.left >= 0 && area.top >= 0 && area.right <= target.width &&
            area.bottom <= target.height) {
            GdiFlush();
            for (int y = 0; y < height; ++y)
                std::memcpy(target.first + static_cast<std::size_t>(area.top + y) * target.width + area.left,
                            sheet_.pixels.first + static_cast<std::size_t>(at->y + y) * sheet_.pixels.width + at->x,
                            static_cast<std::size_t>(width) * sizeof *target.first);
            return true;
        }
        BitBlt(dc, area.left, area.top, width, height, sheet_.dc, at->x, at->y, SRCCOPY);
        return true;
    }

private:
    static constexpr int columns = 32, rows = 16;
    Canvas sheet_;
    int width_ = 0, height_ = 0;
    std::map<LookKey, int> slots_;
};

Looks looks;

} // namespace

CandidateButton::Look CandidateButton::lookOf(UINT disabled, SysColor face) const
{
    return {font_,
            caption_,
            disabled,
            resolve(face),
            GetSysColor(COLOR_BTNTEXT),
            GetSysColor(COLOR_3DHILIGHT),
            GetSysColor(COLOR_3DLIGHT),
            GetSysColor(COLOR_3DSHADOW),
            GetSysColor(COLOR_3DDKSHADOW)};
}

// A look drawn for the first time costs about as much as all the rest of a
// pick's drawing, so the looks a click can give this button are drawn as it is made:
// enabled and disabled, on its own face and on those the cells give, Button
// face and, for a barred candidate, Window text.
void CandidateButton::prepareLooks() const
{
    RECT area;
    GetClientRect(window(), &area);
    for (const SysColor face : {face_, SysColor::ButtonFace, SysColor::WindowText})
        for (const UINT disabled : {0u, static_cast<UINT>(ODS_DISABLED)})
            looks.find(area.right, area.bottom, lookOf(disabled, face),
                       [&](HDC dc, const RECT& slot) { draw(dc, slot, disabled, face); });
}

void CandidateButton::onDrawItem(const DRAWITEMSTRUCT& item)
{
    const UINT disabled = item.itemState & ODS_DISABLED;
    if ((item.itemState & ODS_SELECTED) ||
        !looks.copy(item.hDC, item.rcItem, lookOf(disabled, face_),
                    [&](HDC dc, const RECT& area) { draw(dc, area, disabled, face_); }))
        draw(item.hDC, item.rcItem, item.itemState, face_);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(item.hDC, &focus);
    }
}

void CandidateButton::draw(HDC dc, RECT area, UINT itemState, SysColor face) const
{
    const bool pressed = (itemState & ODS_SELECTED) != 0;
    FillRect(dc, &area, brushOf(face));
    DrawEdge(dc, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    RECT text = area;
    if (pressed)
        OffsetRect(&text, 1, 1);
    drawCaption(dc, text, (itemState & ODS_DISABLED) == 0);
}

void CandidateButton::drawCaption(HDC dc, RECT area, bool enabled) const
{
    constexpr UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(window(), WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    if (enabled) {
        SetTextColor(dc, resolve(SysColor::ButtonText));
    } else {
        // Engraved, as the system draws a disabled caption, so that it reads on
        // the dark face of a barred candidate too.
        RECT lit = area;
        OffsetRect(&lit, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextW(dc, caption_.c_str(), -1, &lit, format);
        SetTextColor(dc, GetSysColor(COLOR_3DSHADOW));
    }
    DrawTextW(dc, caption_.c_str(), -1, &area, format);
    SelectObject(dc, previous);
}

} // namespace ui::win32
