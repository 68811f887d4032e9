#include "support/VisibleState.h"

#include <sstream>
#include <vector>

namespace support {

std::string colorName(ui::SysColor color)
{
    switch (color) {
    case ui::SysColor::ButtonFace: return "ButtonFace";
    case ui::SysColor::WindowText: return "WindowText";
    case ui::SysColor::ActiveBorder: return "ActiveBorder";
    case ui::SysColor::InfoBackground: return "InfoBackground";
    case ui::SysColor::AppWorkspace: return "AppWorkspace";
    case ui::SysColor::Light3D: return "Light3D";
    case ui::SysColor::ButtonText: return "ButtonText";
    case ui::SysColor::ButtonHighlight: return "ButtonHighlight";
    case ui::SysColor::ButtonShadow: return "ButtonShadow";
    }
    std::ostringstream out;
    out << "&H" << std::hex << std::uppercase << static_cast<std::uint32_t>(color) << '&';
    return out.str();
}

namespace {

std::string cellName(BoxCell place)
{
    const RowColumn pos = ui::rowColumnOf(place);
    return "grid " + std::to_string(place.box) + " / cell " + std::to_string(place.cell) + " (row " +
           std::to_string(pos.row) + ", col " + std::to_string(pos.column) + ")";
}

std::string text(bool flag) { return flag ? "true" : "false"; }

void compareCell(BoxCell place, const CellState& expected, const CellState& actual, std::vector<std::string>& out)
{
    if (expected == actual)
        return;
    const std::string name = cellName(place);
    if (expected.caption != actual.caption)
        out.push_back(name + " / lbl: Caption expected \"" + expected.caption + "\", is \"" + actual.caption + "\"");
    for (std::size_t i = 0; i < expected.btnBlock.size(); ++i) {
        const ButtonState& e = expected.btnBlock.at(i);
        const ButtonState& a = actual.btnBlock.at(i);
        const std::string button = name + " / btnBlock " + std::to_string(i) + ": ";
        if (e.visible != a.visible)
            out.push_back(button + "Visible expected " + text(e.visible) + ", is " + text(a.visible));
        if (e.enabled != a.enabled)
            out.push_back(button + "Enabled expected " + text(e.enabled) + ", is " + text(a.enabled));
        if (e.backColor != a.backColor)
            out.push_back(button + "BackColor expected " + colorName(e.backColor) + ", is " + colorName(a.backColor));
    }
}

} // namespace

BoardState asSeen(BoardState state)
{
    for (CellState& cell : state.cells)
        for (ButtonState& button : cell.btnBlock)
            button.enabled = button.enabled || !button.visible;
    return state;
}

std::string describeDifferences(const BoardState& expected, const BoardState& actual, std::size_t limit)
{
    std::vector<std::string> lines;
    for (int n = 0; n < cellCount; ++n)
        compareCell(boxCellOfOrdinal(n), expected.cells.at(n), actual.cells.at(n), lines);
    std::string out;
    for (std::size_t i = 0; i < lines.size() && i < limit; ++i)
        out += lines.at(i) + '\n';
    if (lines.size() > limit)
        out += "... and " + std::to_string(lines.size() - limit) + " more\n";
    return out;
}

} // namespace support
