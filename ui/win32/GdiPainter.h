#pragma once
#include "ui/desktop/Painter.h"
#include "ui/win32/Fonts.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// The board's primitives in GDI, on a device context the surface paints into: the
// system's brushes, edges and focus rectangle, and text as the system's own
// buttons and static texts draw it. Colours are resolved at every draw; the clip
// is lifted again when the painter goes.
class GdiPainter final : public ui::desktop::Painter {
public:
    // `showFocus`: false while the window hides its keyboard cues.
    GdiPainter(HDC dc, const Fonts& fonts, bool showFocus);
    ~GdiPainter() override;
    GdiPainter(const GdiPainter&) = delete;
    GdiPainter& operator=(const GdiPainter&) = delete;

    void clip(const ui::desktop::Rect& area) override;
    void fill(const ui::desktop::Rect& area, SysColor colour) override;
    void edge(const ui::desktop::Rect& area, bool sunk) override;
    void caption(const ui::desktop::Rect& area, int index, SysColor colour) override;
    void label(const ui::desktop::Rect& area, std::string_view text, SysColor colour) override;
    void focusFrame(const ui::desktop::Rect& area) override;

private:
    HDC dc_;
    const Fonts& fonts_;
    bool showFocus_;
    HGDIOBJ previousFont_;
};

} // namespace ui::win32
