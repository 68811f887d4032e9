#pragma once
#include <QFont>
#include <QSizeF>
#include <QStaticText>
#include <array>

#include "ui/desktop/Painter.h"

class QPainter;
class QPalette;

namespace ui::qt {

// The nine captions laid out once in the caption font: every cell shows the same
// nine digits, and laying a digit out afresh for every paint cost more than all
// the rest of a click.
struct CaptionLayouts {
    explicit CaptionLayouts(const QFont& font);
    QFont font;
    std::array<QStaticText, 9> layouts;
    std::array<QSizeF, 9> sizes; // by which they are centred
};

// The board's primitives in QPainter, with the colours of the application palette.
class QtPainter final : public ui::desktop::Painter {
public:
    QtPainter(QPainter& painter, const QPalette& colours, const CaptionLayouts& captions, const QFont& digitFont);

    void clip(const ui::desktop::Rect& area) override;
    void fill(const ui::desktop::Rect& area, ui::SysColor colour) override;
    void edge(const ui::desktop::Rect& area, bool sunk) override;
    void caption(const ui::desktop::Rect& area, int index, ui::SysColor colour) override;
    void label(const ui::desktop::Rect& area, std::string_view text, ui::SysColor colour) override;
    void focusFrame(const ui::desktop::Rect& area) override;

private:
    QPainter& painter_;
    const QPalette& colours_;
    const CaptionLayouts& captions_;
    const QFont& digitFont_;
};

} // namespace ui::qt
