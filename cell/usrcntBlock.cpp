#include "cell/usrcntBlock.h"

#include <string>

#include "ui/Checked.h"

using ui::SysColor;

usrcntBlock::usrcntBlock(ui::CellControls& controls) : label_(controls.lbl())
{
    for (std::int16_t i = 0; i <= 8; ++i) {
        buttons_.at(static_cast<std::size_t>(i)) = &controls.btnBlock(i);
        btnBlock(i).Click.connect([this, i] { btnBlock_Click(i); });
    }
    UserControl_Initialize();
}

void usrcntBlock::Clear()
{
    lbl().setCaption("");
    for (std::int16_t i = 0; i <= 8; ++i) {
        blockCount.at(i) = 0;
        btnBlock(i).setVisible(true);
        btnBlock(i).setEnabled(true);
        btnBlock(i).setBackColor(SysColor::ButtonFace);
    }
    isSet = false;
    isFixed = false;
}

void usrcntBlock::fixIt(bool fixIt)
{
    if (!isSet)
        return;
    const std::int16_t k = highestFree();
    if (fixIt) {
        btnBlock(k).setVisible(false);
        lbl().setCaption(std::to_string(k + 1));
        isFixed = true;
    } else {
        lbl().setCaption("");
        btnBlock(k).setVisible(true);
        isFixed = false;
    }
}

std::int16_t usrcntBlock::highestFree() const
{
    std::int16_t k = 0;
    for (std::int16_t j = 0; j <= 8; ++j)
        if (blockCount.at(j) == 0)
            k = j;
    return k;
}

void usrcntBlock::setIt(std::int16_t index, bool setIt)
{
    // A frozen cell still counts the bar, so that a take-back after the thaw lifts
    // only what was laid; it only leaves its buttons alone while frozen.
    std::int16_t& count = blockCount.at(index);
    count = ui::checkedAdd(count, setIt ? 1 : -1);
    if (count < 0)
        count = 0;
    if (!isFixed)
        refreshIt();
}

void usrcntBlock::refreshIt()
{
    for (std::int16_t i = 0; i <= 8; ++i) {
        ui::Button& button = btnBlock(i);
        const bool barred = blockCount.at(i) != 0;
        if (!isSet) {
            button.setVisible(true);
            button.setEnabled(!barred);
            button.setBackColor(barred ? SysColor::WindowText : SysColor::ButtonFace);
        } else if (!barred) {
            button.setEnabled(true);
            button.setBackColor(SysColor::ButtonFace);
        } else {
            button.setVisible(false);
            button.setBackColor(SysColor::WindowText);
        }
    }
}

void usrcntBlock::btnBlock_Click(std::int16_t index)
{
    if (isFixed)
        return;
    for (std::int16_t j = 0; j <= 8; ++j) {
        if (j == index)
            continue;
        std::int16_t& count = blockCount.at(j);
        count = ui::checkedAdd(count, isSet ? -1 : 1);
        if (count < 0)
            count = 0;
    }
    isSet = !isSet;
    refreshIt();
    Chosen.raise(index, isSet);
}

void usrcntBlock::UserControl_Initialize()
{
    // The design caption of the label is never shown; the buttons keep their designs.
    lbl().setCaption("");
    for (std::int16_t i = 0; i <= 8; ++i)
        blockCount.at(i) = 0;
    isSet = false;
    isFixed = false;
}
