#pragma once
#include "ui/Text.h"

// The page's own words, beside the board's: the table's name, the buttons of an
// enlarged box on a phone and what they say when the browser refuses them, the
// line that says the board has stopped, and what a search engine shows.
namespace ui::web::words {

inline constexpr const char* board = N_("Board"); // the table of 9 x 9 cells
inline constexpr const char* wholeBoard = N_("Whole board");
inline constexpr const char* undo = N_("Undo");
inline constexpr const char* redo = N_("Redo");
inline constexpr const char* copy = N_("Copy");
inline constexpr const char* paste = N_("Paste");
inline constexpr const char* copyRefused = N_("The browser did not let Orvane write to the clipboard");
inline constexpr const char* pasteRefused = N_("The browser did not let Orvane read the clipboard");
inline constexpr const char* stopped =
    N_("Orvane has stopped after an internal error (%1$s). Reload the page to start again.");
inline constexpr const char* description = N_("A pencil board for the 9x9 number-placement puzzle");

} // namespace ui::web::words
