#include "ui/qt/CandidateControl.h"

namespace ui::qt {

CandidateControl::CandidateControl(CandidateButton& widget) : WidgetButton(widget), button_(widget) {}

void CandidateControl::setBackColor(ui::SysColor color) { button_.setFace(color); }

} // namespace ui::qt
