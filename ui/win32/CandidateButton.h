#pragma once
#include <string>
#include <tuple>

#include "ui/BoardPlace.h"
#include "ui/Designs.h"
#include "ui/win32/ButtonWindow.h"

namespace ui::win32 {

// A candidate button: owner-drawn, so that it paints the face colour the cell
// gives it (the graphical style), its caption and its focus rectangle. Its window
// text is not its caption but its name for a screen reader, "Row 4, column 7,
// candidate 5": the caption alone would give 81 buttons called "5".
class CandidateButton final : public ButtonWindow {
public:
    static constexpr const wchar_t* windowClass = L"OrvaneCandidate";
    // Everything a look at rest is drawn with: font, caption, disabled or not,
    // face and the colours of text and edges.
    using Look = std::tuple<HFONT, std::wstring, UINT, COLORREF, COLORREF, COLORREF, COLORREF, COLORREF, COLORREF>;

    // The system's button under a name of its own, without double clicks: an
    // owner-drawn button would report a quick second click as a double click and
    // not as a click, and the player would lose it.
    static void registerClass(HINSTANCE instance);

    CandidateButton(HWND cell, const designs::Control& design, RowColumn place, int dpi, HFONT font);

private:
    void showBackColor(SysColor color) override;
    void onDrawItem(const DRAWITEMSTRUCT& item) override;
    UINT drawnAs() const override { return ODT_BUTTON; }
    Look lookOf(UINT disabled, SysColor face) const;
    void prepareLooks() const;
    void draw(HDC dc, RECT area, UINT itemState, SysColor face) const;
    void drawCaption(HDC dc, RECT area, bool enabled) const;

    SysColor face_;
    std::wstring caption_;
    HFONT font_;
};

} // namespace ui::win32
