#include "ui/web/Entry.h"

#include <emscripten/emscripten.h>

#include <exception>

#include "app/modOrvane.h"
#include "ui/Dispatch.h"
#include "ui/web/Page.h"
#include "ui/web/PageKeys.h"

namespace ui::web {
namespace {

WebPlatform platform;

void showOnPage(const char* message) { page::stop(message); }

} // namespace

void startBoard()
{
    try {
        modOrvane::Main(platform);
    } catch (const std::exception& e) {
        endWithFailure(e.what(), showOnPage);
    }
}

WebBoardWindow* boardWindow() { return platform.window(); }

} // namespace ui::web

// Every click on the board enters here, with the element number of its button.
extern "C" EMSCRIPTEN_KEEPALIVE void orvane_click(int element)
{
    ui::web::WebBoardWindow* window = ui::web::boardWindow();
    if (!window)
        return;
    if (ui::Button* button = window->buttonAt(element))
        ui::dispatchClick(button->Click, ui::web::showOnPage);
}

// Every key typed in the board enters here, with the element number of what has
// the focus and the verb (Keys.h); 0 leaves the key to the browser.
extern "C" EMSCRIPTEN_KEEPALIVE int orvane_key(int element, int verb, int repeat, int withinBox)
{
    ui::web::WebBoardWindow* window = ui::web::boardWindow();
    if (!window || verb < 0 || verb > static_cast<int>(ui::Key::TakeBack))
        return 0;
    const ui::web::PageKeyAnswer answer =
        ui::web::answerPageKey(*window, element, static_cast<ui::Key>(verb), repeat != 0, withinBox != 0);
    if (answer.click)
        ui::dispatchClick(answer.click->Click, ui::web::showOnPage);
    return answer.handled ? 1 : 0;
}
