#include "ui/win32/GdiPainter.h"

#include <string>

#include "ui/win32/SystemColors.h"

namespace ui::win32 {
namespace {

RECT toRect(const ui::desktop::Rect& r) { return {r.left, r.top, r.right(), r.bottom()}; }

} // namespace

GdiPainter::GdiPainter(HDC dc, const Fonts& fonts, bool showFocus)
    : dc_(dc),
      fonts_(fonts),
      showFocus_(showFocus),
      previousFont_(SelectObject(dc, fonts.caption()))
{
    SetBkMode(dc_, TRANSPARENT);
}

GdiPainter::~GdiPainter() { SelectObject(dc_, previousFont_); }

void GdiPainter::fill(const ui::desktop::Rect& area, SysColor colour)
{
    const RECT r = toRect(area);
    FillRect(dc_, &r, brushOf(colour));
}

void GdiPainter::edge(const ui::desktop::Rect& area, bool sunk)
{
    RECT r = toRect(area);
    DrawEdge(dc_, &r, sunk ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
}

// A caption centred on one line, embossed as the system draws a disabled one; a
// digit as a centred static text draws it, from the top of its area.
void GdiPainter::text(const ui::desktop::Rect& area, std::string_view text, Font font, SysColor colour, bool embossed)
{
    const std::wstring wide(text.begin(), text.end());
    RECT r = toRect(area);
    if (font == Font::Digit) {
        SelectObject(dc_, fonts_.label());
        SetTextColor(dc_, resolve(colour));
        DrawTextW(dc_, wide.c_str(), -1, &r, DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
        SelectObject(dc_, fonts_.caption());
        return;
    }
    constexpr UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    if (embossed) {
        RECT lit = r;
        OffsetRect(&lit, 1, 1);
        SetTextColor(dc_, GetSysColor(COLOR_3DHILIGHT));
        DrawTextW(dc_, wide.c_str(), -1, &lit, format);
        SetTextColor(dc_, GetSysColor(COLOR_3DSHADOW));
    } else {
        SetTextColor(dc_, resolve(colour));
    }
    DrawTextW(dc_, wide.c_str(), -1, &r, format);
}

void GdiPainter::focusFrame(const ui::desktop::Rect& area)
{
    const RECT r = toRect(area);
    if (showFocus_)
        DrawFocusRect(dc_, &r);
}

} // namespace ui::win32
