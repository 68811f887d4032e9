#include "ui/web/Entry.h"

#include <emscripten/emscripten.h>

#include <exception>
#include <optional>

#include "app/modOrvane.h"
#include "ui/Dispatch.h"
#include "ui/web/Elements.h"
#include "ui/web/Page.h"
#include "ui/web/PageKeys.h"
#include "ui/web/PageLanguage.h"

namespace ui::web {
namespace {

WebPlatform platform;

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
    if (element >= 0 && element < resetElement && element % 10 != 9)
        history.click(boxCellAt(element / 10), static_cast<std::int16_t>(element % 10));
}

} // namespace

void startBoard()
{
    try {
        modOrvane::Main(platform);
        speakTheBrowsersLanguage();
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
