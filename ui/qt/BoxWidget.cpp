#include "ui/qt/BoxWidget.h"

#include "ui/qt/DesignUnits.h"

namespace ui::qt {

BoxWidget::BoxWidget(const ui::designs::Control& design, QWidget* parent) : ColorArea(design.face, parent)
{
    setGeometry(designRect(design));
    for (std::size_t k = 0; k < cells_.size(); ++k)
        cells_.at(k) = new CellWidget(ui::designs::usrcntSquare.at(k), this);
}

} // namespace ui::qt
