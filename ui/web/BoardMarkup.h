#pragma once
#include <string>
#include <vector>

// The board as the page shows it, written from the stored designs at 96 dpi (15
// twips to a CSS pixel): a style sheet and the markup of the nine boxes and the
// three commands. Elements stand in document order as the focus moves, so Tab
// walks the board as the designs' tab positions say; each cell's label comes
// before its buttons, so that it is drawn beneath them.
namespace ui::web {

struct BoardMarkup {
    std::string style;
    std::string markup;
    // The element number (Elements.h) of every button and label, in document order.
    std::vector<int> order;
};

BoardMarkup boardMarkup();

} // namespace ui::web
