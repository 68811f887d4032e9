#pragma once
#include <string>

// The board as the page shows it, written from the stored designs at 96 dpi (15
// twips to a CSS pixel). It goes into index.html when the page is built (by
// write_page.cpp), so that the browser draws the board as soon as it has read
// the page; the board's code, once loaded, takes the elements over by their
// order (DocumentOrder.h).
namespace ui::web {

// The style sheet: the colour table, then every size and place.
std::string boardStyle();

// The markup of the table that tells assistive technology the cells' rows and
// columns, then the nine boxes and the three commands, in document order.
std::string boardMarkup();

} // namespace ui::web
