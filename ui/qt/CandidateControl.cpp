#include "ui/qt/CandidateControl.h"

namespace ui::qt {

CandidateControl::CandidateControl(CandidateButton& widget) : WidgetButton(widget, widget.face()), button_(widget) {}

void CandidateControl::showBackColor(ui::SysColor color) { button_.setFace(color); }

} // namespace ui::qt
