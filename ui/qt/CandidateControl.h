#pragma once
#include "ui/qt/CandidateButton.h"
#include "ui/qt/WidgetButton.h"

namespace ui::qt {

// A candidate button as the board's cell sees it.
class CandidateControl final : public WidgetButton {
public:
    explicit CandidateControl(CandidateButton& widget);

    CandidateButton& widget() { return button_; }

private:
    void showBackColor(ui::SysColor color) override;

    CandidateButton& button_;
};

} // namespace ui::qt
