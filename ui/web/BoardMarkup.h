#pragma once
#include <string>
#include <vector>

// The board as the page shows it, written from the stored designs at 96 dpi (15
// twips to a CSS pixel): a style sheet and the markup of the nine boxes and the
// three commands. Elements stand in document order as the focus moves, so Tab
// walks the board as the designs' tab positions say; each cell's label comes
// before its buttons, so that it is drawn beneath them.
//
// The markup is written into index.html when the page is built, so that the
// browser draws the board as soon as it has read the page; the board's code,
// once loaded, takes the elements over by their order.
namespace ui::web {

struct BoardMarkup {
    std::string style;
    std::string markup;
    // The element number (Elements.h) of every button and label, in document order.
    std::vector<int> order;
};

// With text false, only the order: what the running board needs.
BoardMarkup boardMarkup(bool text = true);

} // namespace ui::web
