#include "ui/qt/CellWidget.h"

#include <memory>

#include "ui/Designs.h"
#include "ui/qt/DesignFonts.h"
#include "ui/qt/DesignUnits.h"

namespace ui::qt {
namespace {

DigitLabel* makeLabel(QWidget* cell, ui::RowColumn place)
{
    const auto& design = ui::designs::lbl;
    auto* label = new DigitLabel(place, cell);
    label->setGeometry(designRect(design));
    label->setFont(designFont(ui::designs::lblFont));
    label->setCaption(design.caption);
    return label;
}

std::unique_ptr<CandidateControl> makeCandidate(QWidget* cell, ui::RowColumn place, std::int16_t index)
{
    const auto& design = ui::designs::btnBlock.at(static_cast<std::size_t>(index));
    auto* button = new CandidateButton(design.face, cell);
    button->setGeometry(designRect(design));
    button->setText(designText(design.caption));
    button->setAccessibleName(QString::fromStdString(ui::candidateName(place, index)));
    return std::make_unique<CandidateControl>(*button);
}

} // namespace

CellWidget::CellWidget(const ui::designs::Control& design, ui::RowColumn place, QWidget* parent)
    : ColorArea(design.face, parent),
      label_(makeLabel(this, place)),
      buttons_([this, place](std::int16_t i) { return makeCandidate(this, place, i); })
{
    setGeometry(designRect(design));
}

} // namespace ui::qt
