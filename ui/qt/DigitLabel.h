#pragma once
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>

#include "ui/Controls.h"

namespace ui::qt {

// A cell's label: opaque button face with its caption centred across the top in
// the label's large bold face. It lies beneath the cell's nine buttons, so the
// caption is seen only where they are hidden.
class DigitLabel final : public QWidget, public ui::Label {
public:
    explicit DigitLabel(QWidget* parent);

    // Repaints only this label, and only when the text changes.
    void setCaption(std::string_view caption) override;
    QString caption() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::string caption_;
    QString text_;
};

} // namespace ui::qt
