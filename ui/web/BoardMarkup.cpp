#include "ui/web/BoardMarkup.h"

#include <cstdio>

#include "ui/BoardPlace.h"
#include "ui/Designs.h"
#include "ui/TabOrder.h"
#include "ui/web/Elements.h"
#include "ui/web/WebColors.h"

namespace ui::web {
namespace {

constexpr int dpi = 96;

std::string px(int twips) { return std::to_string(designs::toPixels(twips, dpi)) + "px"; }

std::string colorVar(SysColor color)
{
    char name[24];
    std::snprintf(name, sizeof name, "--c%x", static_cast<unsigned>(color));
    return name;
}

std::string colorOf(SysColor color) { return "var(" + colorVar(color) + ")"; }

std::string box(const designs::Control& c)
{
    return "left:" + px(c.left) + ";top:" + px(c.top) + ";width:" + px(c.width) + ";height:" + px(c.height) +
           ";background:" + colorOf(c.face);
}

std::string font(const designs::Font& f)
{
    return std::to_string(f.weight) + " " + std::to_string(designs::pointsToPixels(f.tenThousandthsOfPoint, dpi)) +
           "px \"" + std::string(f.name) + "\",sans-serif";
}

std::string colorTable()
{
    std::string light = ":root{color-scheme:light dark;";
    std::string dark = "@media(prefers-color-scheme:dark){:root{";
    for (const WebColor& c : webColors) {
        light += colorVar(c.color) + ":" + std::string(c.light) + ";";
        dark += colorVar(c.color) + ":" + std::string(c.dark) + ";";
    }
    return light + "}" + dark + "}}";
}

std::string style()
{
    const auto& window = designs::orvaneMain;
    std::string s = colorTable();
    s += "body{background:" + colorOf(window.back) + "}";
    s += "#board{position:relative;width:" + px(window.innerWidth) + ";height:" + px(window.innerHeight) +
         ";font:" + font(designs::defaultControlFont) + "}";
    s += "#board div,#board button{position:absolute;box-sizing:border-box;margin:0;padding:0}";
    // Captions in the button-text colour; a barred candidate's caption greyed on
    // its window-text face; a dotted focus rectangle inside the button; and a tap
    // never waits to see whether a double tap (a zoom) follows.
    const std::string caption = colorOf(designs::lblText);
    s += "#board button{font:inherit;color:" + caption + ";border:1px solid color-mix(in srgb," + caption +
         " 45%,transparent);touch-action:manipulation}";
    s += "#board button:disabled{color:#808080}";
    s += "#board button:focus-visible{outline:1px dotted " + caption + ";outline-offset:-4px}";
    for (const auto& cell : designs::usrcntSquare)
        s += ".c" + std::to_string(cell.index) + "{" + box(cell) + "}";
    for (const auto& button : designs::btnBlock)
        s += ".k" + std::to_string(button.index) + "{" + box(button) + "}";
    s += ".l{" + box(designs::lbl) + ";color:" + colorOf(designs::lblText) + ";font:" + font(designs::lblFont) +
         ";text-align:center;line-height:1}";
    return s;
}

void addCell(BoardMarkup& out, bool text, std::int16_t b, std::int16_t k)
{
    if (text)
        out.markup += "<div class=c" + std::to_string(k) + "><div class=l aria-hidden=true>" +
                  std::string(designs::lbl.caption) + "</div>";
    out.order.push_back(labelElement(b, k));
    const RowColumn place = rowColumnOf({b, k});
    for (const std::int16_t i : designs::inTabOrder(designs::btnBlock)) {
        if (text)
            out.markup += "<button class=k" + std::to_string(i) + " aria-label=\"" + candidateName(place, i) + "\">" +
                      std::string(designs::btnBlock.at(static_cast<std::size_t>(i)).caption) + "</button>";
        out.order.push_back(candidateElement(b, k, i));
    }
    if (text)
        out.markup += "</div>";
}

void addCommand(BoardMarkup& out, bool text, const designs::Control& c, int element)
{
    if (text)
        out.markup += "<button style=\"" + box(c) + "\">" + std::string(c.caption) + "</button>";
    out.order.push_back(element);
}

} // namespace

BoardMarkup boardMarkup(bool text)
{
    using Kind = designs::BoardChild::Kind;
    BoardMarkup out;
    if (text)
        out.style = style();
    out.order.reserve(elementCount);
    for (const designs::BoardChild& child : designs::boardChildrenInTabOrder()) {
        switch (child.kind) {
        case Kind::Box:
            if (text)
                out.markup +=
                    "<div style=\"" + box(designs::usrcntGrid.at(static_cast<std::size_t>(child.box))) + "\">";
            for (const std::int16_t k : designs::inTabOrder(designs::usrcntSquare))
                addCell(out, text, child.box, k);
            if (text)
                out.markup += "</div>";
            break;
        case Kind::Reset: addCommand(out, text, designs::cmdReset, resetElement); break;
        case Kind::Fix: addCommand(out, text, designs::cmdFix, fixElement); break;
        case Kind::UnFix: addCommand(out, text, designs::cmdUnFix, unFixElement); break;
        }
    }
    return out;
}

} // namespace ui::web
