#pragma once
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>

#include "ui/BoardPlace.h"
#include "ui/ChangedOnly.h"

namespace ui::qt {

// A cell's label: opaque button face with its caption centred across the top in
// the label's large bold face. It lies beneath the cell's nine buttons, so the
// caption is seen only where they are hidden. A frozen cell shows its digit here
// alone, so assistive technology reads the label as text named by the cell's place
// and the digit while it shows one.
class DigitLabel final : public QWidget, public ui::ChangedOnlyLabel {
public:
    DigitLabel(ui::RowColumn place, QWidget* parent);

    QString caption() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Repaints only this label.
    void showCaption(const std::string& caption) override;

    ui::RowColumn place_;
    QString text_;
};

} // namespace ui::qt
