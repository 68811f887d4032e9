#include "ui/win32/CandidateButton.h"

#include "ui/win32/Layout.h"
#include "ui/win32/PaintPass.h"
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
      caption_(design.caption.begin(), design.caption.end())
{
    const std::string name = candidateName(place, design.index);
    SetWindowTextW(window(), std::wstring(name.begin(), name.end()).c_str());
}

void CandidateButton::showBackColor(SysColor color)
{
    face_ = color;
    if (!PaintPass::changed(window()))
        InvalidateRect(window(), nullptr, FALSE);
}

void CandidateButton::onDrawItem(const DRAWITEMSTRUCT& item)
{
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &area, brushOf(face_));
    DrawEdge(dc, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    RECT text = area;
    if (pressed)
        OffsetRect(&text, 1, 1);
    drawCaption(dc, text, (item.itemState & ODS_DISABLED) == 0);

    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = area;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
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
