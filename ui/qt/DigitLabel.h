#pragma once
#include <QFont>
#include <QRect>
#include <QString>
#include <string>

#include "ui/BoardPlace.h"
#include "ui/ChangedOnly.h"

class QPainter;

namespace ui::qt {

class CellWidget;

// A cell's label: opaque button face with its caption centred across the top in
// the label's large bold face. It lies beneath the cell's nine buttons, so the
// caption is seen only where they are hidden. Its cell paints it, as it paints the
// buttons. A frozen cell shows its digit here alone, so assistive technology reads
// the label as text named by the cell's place and the digit while it shows one.
class DigitLabel final : public ui::ChangedOnlyLabel {
public:
    explicit DigitLabel(CellWidget& cell);

    CellWidget& cell() const { return cell_; }
    // The whole cell.
    QRect geometry() const;
    QString caption() const { return text_; }
    // "Row 4, column 7, digit 5" while it shows a digit, else nothing.
    QString accessibleName() const;
    const QFont& font() const;

    // For the cell: the face, and the caption if there is one.
    void paint(QPainter& painter) const;

private:
    // Repaints the cell; the buttons over the caption paint the same again.
    void showCaption(const std::string& caption) override;

    CellWidget& cell_;
    QString text_;
};

} // namespace ui::qt
