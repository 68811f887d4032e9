#pragma once
#include "ui/qt/CandidateButton.h"
#include "ui/qt/WidgetButton.h"

namespace ui::qt {

// A candidate button as the board's cell sees it.
class CandidateControl final : public WidgetButton {
public:
    explicit CandidateControl(CandidateButton& widget);

    void setBackColor(ui::SysColor color) override;

    CandidateButton& widget() { return button_; }

private:
    CandidateButton& button_;
};

} // namespace ui::qt
