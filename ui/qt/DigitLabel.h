#pragma once
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>

#include "ui/Controls.h"
#include "ui/qt/BoardPlace.h"

namespace ui::qt {

// A cell's label: opaque button face with its caption centred across the top in
// the label's large bold face. It lies beneath the cell's nine buttons, so the
// caption is seen only where they are hidden. A frozen cell shows its digit here
// alone, so assistive technology reads the label as text named by the cell's place
// and the digit while it shows one.
class DigitLabel final : public QWidget, public ui::Label {
public:
    DigitLabel(BoardPlace place, QWidget* parent);

    // Repaints only this label, and only when the text changes.
    void setCaption(std::string_view caption) override;
    QString caption() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BoardPlace place_;
    std::string caption_;
    QString text_;
};

} // namespace ui::qt
