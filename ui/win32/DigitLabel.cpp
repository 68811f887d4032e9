#include "ui/win32/DigitLabel.h"

#include "ui/win32/Layout.h"
#include "ui/win32/SystemColors.h"

namespace ui::win32 {

DigitLabel::DigitLabel(HWND cell, const designs::Control& design, int dpi, HFONT font)
    : ChangedOnlyLabel(design.caption),
      window_(createChild(L"STATIC", design, cell, dpi, WS_VISIBLE | WS_CLIPSIBLINGS | SS_CENTER | SS_NOPREFIX)),
      back_(design.face)
{
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    attachTo(window_);
}

void DigitLabel::showCaption(const std::string& caption)
{
    const std::wstring text(caption.begin(), caption.end());
    SetWindowTextW(window_, text.c_str());
}

HBRUSH DigitLabel::onControlColor(HDC dc)
{
    SetTextColor(dc, resolve(designs::lblText));
    SetBkColor(dc, resolve(back_));
    return brushOf(back_);
}

} // namespace ui::win32
