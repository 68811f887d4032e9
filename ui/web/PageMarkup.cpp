#include "ui/web/PageMarkup.h"

#include <cstdio>

#include "ui/BoardPlace.h"
#include "ui/Designs.h"
#include "ui/Keys.h"
#include "ui/PlaceNames.h"
#include "ui/web/DocumentOrder.h"
#include "ui/web/PageWords.h"
#include "ui/web/WebColors.h"

namespace ui::web {
namespace {

constexpr int dpi = 96;

std::string px(int twips) { return std::to_string(designs::toPixels(twips, dpi)) + "px"; }

// A colour's custom property is named for its value, as the board writes faces by value (page.js).
std::string colorVar(SysColor color)
{
    char name[24];
    std::snprintf(name, sizeof name, "--c%x", static_cast<unsigned>(color));
    return name;
}

std::string colorOf(SysColor color) { return "var(" + colorVar(color) + ")"; }

// Boxes and commands are styled by class, so that the page's view can move one box and the commands elsewhere.
std::string boxClass(std::int16_t b) { return "b" + std::to_string(b); }
std::string commandClass(int element) { return "m" + std::to_string(element - resetElement); }

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

std::string cellId(RowColumn place)
{
    return "r" + std::to_string(place.row + 1) + "c" + std::to_string(place.column + 1);
}

// The page holds the cells box by box, as Tab walks them, which leaves a screen
// reader nothing to move by row or column. So an empty table of nine empty rows
// comes first, each row owning its nine cells in column order: assistive
// technology meets a 9 x 9 table while the elements, their order and the Tab
// order stay as they are. The table and its rows draw nothing (boardStyle), and
// are spans, so that the board's divs are still its boxes alone, as the page's
// view finds them. The commands stay outside. The table's description says the
// board's keys.
std::string tableMarkup()
{
    std::string text =
        "<span class=t role=table aria-label=\"" + std::string(_(words::board)) + "\" aria-describedby=keys>";
    for (int row = 0; row < 9; ++row) {
        text += "<span role=row aria-owns=\"";
        for (int column = 0; column < 9; ++column)
            text += (column ? " " : "") + cellId({row, column});
        text += "\"></span>";
    }
    return text + "</span><span id=keys hidden>" + std::string(_(keysDescription.data())) + "</span>";
}

struct Markup {
    std::string text;
    void boxStart(std::int16_t b) { text += "<div class=" + boxClass(b) + ">"; }
    void boxEnd() { text += "</div>"; }
    // A cell is a table cell by its row and column (tableMarkup), found by its id.
    void cellStart(std::int16_t b, std::int16_t k)
    {
        const RowColumn place = rowColumnOf({b, k});
        text += "<div class=c" + std::to_string(k) + " id=" + cellId(place) + " role=cell aria-label=\"" +
                cellName(place) + "\">";
    }
    void cellEnd() { text += "</div>"; }
    // Named only once it shows a digit (page.js).
    void label(std::int16_t, std::int16_t)
    {
        text += "<div class=l aria-hidden=true>" + std::string(designs::lbl.caption) + "</div>";
    }
    void candidate(std::int16_t b, std::int16_t k, std::int16_t i)
    {
        text += "<button class=k" + std::to_string(i) + " aria-label=\"" + candidateName(rowColumnOf({b, k}), i) +
                "\">" + std::string(designs::btnBlock.at(static_cast<std::size_t>(i)).caption) + "</button>";
    }
    void command(const designs::Control& c, int element)
    {
        text += "<button class=" + commandClass(element) + ">" + std::string(_(c.caption.data())) + "</button>";
    }
};

} // namespace

std::string boardStyle()
{
    const auto& window = designs::orvaneMain;
    std::string s = colorTable();
    s += "body{background:" + colorOf(window.back) + ";font:" + font(designs::defaultControlFont) + "}";
    s += "#board{position:relative;width:" + px(window.innerWidth) + ";height:" + px(window.innerHeight) + "}";
    s += "#board div,#board button{position:absolute;box-sizing:border-box;margin:0;padding:0}";
    // Every button of the page looks like the board's: captions in the button-text
    // colour on a button face; a barred candidate's caption greyed on its
    // window-text face; a dotted focus rectangle inside the button; and a tap never
    // waits to see whether a double tap (a zoom) follows.
    const std::string caption = colorOf(designs::lblText);
    s += "button{font:inherit;color:" + caption + ";background:" + colorOf(designs::cmdReset.face) +
         ";border:1px solid color-mix(in srgb," + caption + " 45%,transparent);touch-action:manipulation}";
    s += "button:disabled{color:#808080}";
    s += "button:focus-visible{outline:1px dotted " + caption + ";outline-offset:-4px}";
    // A cell or a label that has the focus itself shows a dotted frame along the
    // cell's edge, over its buttons, as the desktops draw it: the colours under it
    // inverted, so that it shows on barred buttons too.
    s += "#board [tabindex]:focus-visible{outline:none}#board [tabindex]:focus-visible::after{content:\"\";"
         "position:absolute;inset:0;border:1px dotted #fff;mix-blend-mode:difference}";
    for (const auto& b : designs::usrcntGrid)
        s += "." + boxClass(b.index) + "{" + box(b) + "}";
    s += "." + commandClass(resetElement) + "{" + box(designs::cmdReset) + "}";
    s += "." + commandClass(fixElement) + "{" + box(designs::cmdFix) + "}";
    s += "." + commandClass(unFixElement) + "{" + box(designs::cmdUnFix) + "}";
    for (const auto& cell : designs::usrcntSquare)
        s += ".c" + std::to_string(cell.index) + "{" + box(cell) + "}";
    for (const auto& button : designs::btnBlock)
        s += ".k" + std::to_string(button.index) + "{" + box(button) + "}";
    // The table and its rows are there for assistive technology alone: no box of their own.
    s += ".t,.t span{display:contents}";
    s += ".l{" + box(designs::lbl) + ";color:" + colorOf(designs::lblText) + ";font:" + font(designs::lblFont) +
         ";text-align:center;line-height:1}";
    return s;
}

std::string boardMarkup()
{
    Markup markup;
    walkInDocumentOrder(markup);
    return tableMarkup() + markup.text;
}

} // namespace ui::web
