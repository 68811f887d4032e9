#include <cstdio>
#include <string>

#include "ui/Designs.h"
#include "ui/web/PageMarkup.h"

// Run when the page is built: prints the window's caption, the board's width in
// CSS pixels, its style sheet and its markup, one line each, for make_index.cmake
// to put into index.html.
int main()
{
    using namespace ui::designs;
    std::printf("%s\n%d\n%s\n%s\n", std::string(orvaneMain.caption).c_str(), toPixels(orvaneMain.innerWidth, 96),
                ui::web::boardStyle().c_str(), ui::web::boardMarkup().c_str());
}
