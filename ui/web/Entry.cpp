#include "ui/web/Entry.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <exception>
#include <optional>
#include <string>

#include "app/PuzzleText.h"
#include "app/modOrvane.h"
#include "ui/Dispatch.h"
#include "ui/web/Elements.h"
#include "ui/web/Page.h"
#include "ui/web/PageKeys.h"
#include "ui/web/PageLanguage.h"

namespace ui::web {
namespace {

WebPlatform platform;

// The clipboard's text for a paste, as page.js writes it: whole characters of
// UTF-8, as many as fit. The reader reads no more than maxPuzzleTextBytes, and one
// byte more tells it the text is longer; a character is at most four bytes, so
// with three spare the page always writes that one byte more when there is one.
std::array<char, maxPuzzleTextBytes + 4> pasted;

// What a paste or a copy answers page.js, kept until the next one.
std::string answered;

void showOnPage(const char* message) { page::stop(message); }

// Every action of the player goes through the history, which clicks the button
// as the board window would, and keeps it for undo.
void act(History& history, int element)
{
    switch (element) {
    case resetElement: history.reset(); return;
    case fixElement: history.fix(); return;
    case unFixElement: history.unFix(); return;
    default: break;
    }
    if (element >= 0 && element < resetElement && partOfElement(element) != labelPart)
        history.click(boxCellAt(cellOfElement(element)), partOfElement(element));
}

} // namespace

void startBoard()
{
    try {
        modOrvane::Main(platform);
        speakTheBrowsersLanguage();
        holdFailureWords();
    } catch (const std::exception& e) {
        endWithFailure(e.what(), showOnPage);
    }
}

WebBoardWindow* boardWindow() { return platform.window(); }

} // namespace ui::web

// Every click on the board enters here, with the element number of its button.
extern "C" EMSCRIPTEN_KEEPALIVE void orvane_click(int element)
{
    if (History* history = modOrvane::history())
        ui::dispatch([history, element] { ui::web::act(*history, element); }, ui::web::showOnPage);
}

// Every key typed in the board enters here, with the element number of what has
// the focus and the verb (Keys.h); 0 leaves the key to the browser.
extern "C" EMSCRIPTEN_KEEPALIVE int orvane_key(int element, int verb, int repeat, int withinBox)
{
    const ui::web::WebBoardWindow* window = ui::web::boardWindow();
    History* history = modOrvane::history();
    if (!window || !history || verb < 0 || verb > static_cast<int>(ui::Key::TakeBack))
        return 0;
    const ui::web::PageKeyAnswer answer =
        ui::web::answerPageKey(*window, element, static_cast<ui::Key>(verb), repeat != 0, withinBox != 0);
    if (answer.click >= 0)
        ui::dispatch([history, &answer] { ui::web::act(*history, answer.click); }, ui::web::showOnPage);
    return answer.handled ? 1 : 0;
}

// The verb of a digit key (Keys.h), from the top row's key by its place (1 to 9,
// else 0) and the character it typed, or 0 for no digit.
extern "C" EMSCRIPTEN_KEEPALIVE int orvane_digit(int topRow, int typed)
{
    const std::optional<ui::Key> digit = ui::digitKeyOf(topRow, static_cast<char32_t>(typed));
    return digit ? static_cast<int>(*digit) : 0;
}

// Undo (or with `redo`, redo), wherever the focus is on the page: on `element`,
// or -1 off the board's elements. It answers the box (1 to 9) of the cell a click
// undone or redone touched, which a phone then shows enlarged, or 0.
extern "C" EMSCRIPTEN_KEEPALIVE int orvane_undo(int element, int redo)
{
    const ui::web::WebBoardWindow* window = ui::web::boardWindow();
    History* history = modOrvane::history();
    if (!window || !history)
        return 0;
    const History::Step step =
        ui::dispatch([history, redo] { return redo ? history->redo() : history->undo(); }, ui::web::showOnPage);
    if (step.happened)
        ui::web::focusAfterUndo(*window, element, step.cell);
    return step.cell ? step.cell->box + 1 : 0;
}

// What the page's "Undo" and "Redo" offer: 1 when there is something to undo, plus 2 to redo.
extern "C" EMSCRIPTEN_KEEPALIVE int orvane_history()
{
    const History* history = modOrvane::history();
    return history ? (history->canUndo() ? 1 : 0) + (history->canRedo() ? 2 : 0) : 0;
}

// Where page.js writes the text of a paste, and how many bytes it may write there.
extern "C" EMSCRIPTEN_KEEPALIVE char* orvane_paste_room() { return ui::web::pasted.data(); }
extern "C" EMSCRIPTEN_KEEPALIVE int orvane_paste_room_size() { return static_cast<int>(ui::web::pasted.size()); }

// A paste of the `length` bytes page.js wrote (none: the clipboard held no text).
// A puzzle the board can hold becomes the board as one action, and the focus goes
// to its first free candidate; it answers "". Anything else changes nothing, and
// it answers why, in the player's words.
extern "C" EMSCRIPTEN_KEEPALIVE const char* orvane_paste(int length)
{
    const ui::web::WebBoardWindow* window = ui::web::boardWindow();
    History* history = modOrvane::history();
    if (!window || !history)
        return "";
    const auto bytes = std::min(static_cast<std::size_t>(std::max(length, 0)), maxPuzzleTextBytes + 1);
    const std::optional<PuzzleProblem> problem =
        ui::dispatch([history, bytes] { return history->paste(std::string_view(ui::web::pasted.data(), bytes)); },
                     ui::web::showOnPage);
    if (problem)
        return (ui::web::answered = problem->text()).c_str();
    ui::web::focusFirstStop(*window);
    return "";
}

// The board as text for the clipboard: a line of 81 characters and its end.
extern "C" EMSCRIPTEN_KEEPALIVE const char* orvane_copy()
{
    const History* history = modOrvane::history();
    if (!history)
        return "";
    ui::web::answered = ui::dispatch([history] { return puzzleText(puzzleOf(history->board())); }, ui::web::showOnPage);
    return ui::web::answered.c_str();
}
