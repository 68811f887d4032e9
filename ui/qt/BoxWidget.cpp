#include "ui/qt/BoxWidget.h"

#include "ui/qt/DesignUnits.h"

namespace ui::qt {

BoxWidget::BoxWidget(std::int16_t index, const ui::designs::Control& design, QWidget* parent)
    : ColorArea(design.face, parent)
{
    setGeometry(designRect(design));
    for (std::int16_t k = 0; k < 9; ++k)
        cells_.at(static_cast<std::size_t>(k)) =
            new CellWidget(ui::designs::usrcntSquare.at(static_cast<std::size_t>(k)), ui::rowColumnOf({index, k}), this);
}

} // namespace ui::qt
