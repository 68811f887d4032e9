#include "ui/web/Entry.h"

#include <emscripten/emscripten.h>

#include <exception>

#include "app/modOrvane.h"
#include "ui/Dispatch.h"
#include "ui/web/Page.h"

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
