#include "ui/win32/GdiPainter.h"

#include <string>

#include "ui/Designs.h"
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

GdiPainter::~GdiPainter()
{
    SelectClipRgn(dc_, nullptr);
    SelectObject(dc_, previousFont_);
}

void GdiPainter::clip(const ui::desktop::Rect& area)
{
    SelectClipRgn(dc_, nullptr);
    IntersectClipRect(dc_, area.left, area.top, area.right(), area.bottom());
}

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

// A caption centred on one line, as a button draws it; a label's text as a
// centred static text draws it, from the top of its area.
void GdiPainter::caption(const ui::desktop::Rect& area, int index, SysColor colour)
{
    const std::string_view text = designs::btnBlock.at(static_cast<std::size_t>(index)).caption;
    const std::wstring wide(text.begin(), text.end());
    RECT r = toRect(area);
    SetTextColor(dc_, resolve(colour));
    DrawTextW(dc_, wide.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void GdiPainter::label(const ui::desktop::Rect& area, std::string_view text, SysColor colour)
{
    const std::wstring wide(text.begin(), text.end());
    RECT r = toRect(area);
    SelectObject(dc_, fonts_.label());
    SetTextColor(dc_, resolve(colour));
    DrawTextW(dc_, wide.c_str(), -1, &r, DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(dc_, fonts_.caption());
}

void GdiPainter::focusFrame(const ui::desktop::Rect& area)
{
    const RECT r = toRect(area);
    if (showFocus_)
        DrawFocusRect(dc_, &r);
}

} // namespace ui::win32
