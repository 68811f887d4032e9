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
    SetWindowTextW(window_, name().c_str());
}

// Outside a click, the static control repaints itself when its text changes. In
// a click's paint pass it would still fetch a device context to ask to be drawn,
// which costs the window system a trip for each of up to 81 labels: there the
// pass sets the text as the default window procedure does, with the screen
// reader's name-change event, and draws the label itself.
void DigitLabel::showCaption(const std::string& caption)
{
    shown_ = caption;
    if (PaintPass::changed(window_))
        PaintPass::setText(window_, name());
    else
        SetWindowTextW(window_, name().c_str());
}

std::wstring DigitLabel::name() const
{
    const std::string name = shown_.empty() ? std::string() : digitName(place_, shown_);
    return {name.begin(), name.end()};
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
