#pragma once
#include <QFont>
#include <QRect>
#include <QString>
#include <cstdint>
#include <string>

#include "ui/DrawnCell.h"

class QPainter;
class QPalette;

// How a cell paints its label and its nine candidate buttons, which are no
// widgets of their own: nine hundred widgets took longer to make and show than
// all the rest of the program's start. Painting it all with QPainter keeps it
// sharp at any scale.
namespace ui::qt {

// The squares within the cell.
QRect candidateRect(std::int16_t index);
QRect labelRect();
QString candidateCaption(std::int16_t index);
// The label's large bold face, the same for every cell.
const QFont& labelFont();

// The nine captions laid out in one font. Every cell shows the same nine digits,
// so each is laid out once and drawn by every candidate that shows it: laying a
// digit out afresh for every repaint cost more than all the rest of a click. The
// layouts are never destroyed, so a cell may keep a pointer to them.
struct CaptionLayouts;
const CaptionLayouts& captionLayouts(const QFont& font);

// The label: opaque button face with its caption centred across the top.
void paintLabel(QPainter& painter, const QPalette& colours, const std::string& caption);
// A candidate of the graphical style: its face in its system colour, its digit in
// the painter's font, a raised edge (sunk while pressed) and, while it has the
// keyboard focus, a dotted frame.
void paintCandidate(QPainter& painter, const QPalette& colours, const CaptionLayouts& captions, std::int16_t index,
                    const ui::DrawnCell::Look& look);

} // namespace ui::qt
