#pragma once
#include "ui/Keys.h"
#include "ui/Text.h"

// The page's own words, beside the board's: the table's name, the buttons of an
// enlarged box on a phone and what they say when the browser refuses them, the
// line that says the board has stopped, and what a search engine shows; then where
// each stands in the page.
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

// A word of the page: the element the selector finds, the attribute that holds it
// ("" for the element's text), and the name index.html.in writes its English by
// (@NAME@), "" where the page writes it only once its code has loaded. The page
// writer prints the English (write_page.cpp); the page says them all again in the
// player's language (PageLanguage.cpp).
struct PageWord {
    const char* selector;
    const char* attribute;
    const char* placeholder;
    const char* english;
};

inline constexpr PageWord all[] = {
    {"meta[name=description]", "content", "PAGE_DESCRIPTION", description},
    {"#whole", "", "WHOLE_BOARD", wholeBoard},
    {"#undo", "", "UNDO", undo},
    {"#redo", "", "REDO", redo},
    {"#failure", "data-words", "STOPPED", stopped},
    {"#copy", "", "", copy},
    {"#paste", "", "", paste},
    {"#copy", "data-refused", "", copyRefused},
    {"#paste", "data-refused", "", pasteRefused},
    {"#board .t", "aria-label", "", board},
    {"#keys", "", "", keysDescription.data()},
};

} // namespace ui::web::words
