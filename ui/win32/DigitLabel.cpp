#include "ui/win32/DigitLabel.h"

#include "ui/win32/Layout.h"
#include "ui/win32/PaintPass.h"
#include "ui/win32/SystemColors.h"

namespace ui::win32 {

DigitLabel::DigitLabel(HWND cell, const designs::Control& design, RowColumn place, int dpi, HFONT font)
    : ChangedOnlyLabel(design.caption),
      window_(createChild(L"STATIC", design, cell, dpi, WS_VISIBLE | WS_CLIPSIBLINGS | SS_OWNERDRAW)),
      font_(font),
      place_(place),
      back_(design.face),
      shown_(design.caption)
{
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    attachTo(window_);
    showName();
}

void DigitLabel::showCaption(const std::string& caption)
{
    shown_ = caption;
    showName();
    // A new window text repaints a visible label; a click's paint pass, later.
    PaintPass::changed(window_);
}

void DigitLabel::showName() const
{
    const std::string name = shown_.empty() ? std::string() : digitName(place_, shown_);
    SetWindowTextW(window_, std::wstring(name.begin(), name.end()).c_str());
}

// As the system draws a centred static text: the background filled, the text
// at the top, centred across the width.
void DigitLabel::onDrawItem(const DRAWITEMSTRUCT& item)
{
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    FillRect(dc, &area, brushOf(back_));
    if (shown_.empty())
        return;
    HGDIOBJ previous = SelectObject(dc, font_);
    SetTextColor(dc, resolve(designs::lblText));
    SetBkColor(dc, resolve(back_));
    SetBkMode(dc, OPAQUE);
    const std::wstring text(shown_.begin(), shown_.end());
    DrawTextW(dc, text.c_str(), -1, &area, DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(dc, previous);
}

} // namespace ui::win32
