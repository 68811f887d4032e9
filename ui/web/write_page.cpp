#include <cstdio>
#include <string>

#include "ui/Catalogue.h"
#include "ui/Designs.h"
#include "ui/web/PageMarkup.h"
#include "ui/web/PageWords.h"

// Run when the page is built: prints the window's caption, the sizes the page's
// view scales by (in CSS pixels, as a script object), the board's style sheet
// and its markup, then the page's own words in the design's English as NAME=words,
// and its description in each language of the catalogue as manifest-TAG.json=words,
// one line each, for make_index.cmake to put into index.html and the manifests.
// The page translates its words once its code has loaded (PageLanguage.cpp).
// The page is written in the design's English.
const char* ui::_(const char* english) { return english; }

int main()
{
    using namespace ui::designs;
    namespace words = ui::web::words;
    namespace catalogue = ui::catalogue;
    const auto px = [](int twips) { return toPixels(twips, 96); };
    std::printf("%s\n{width:%d,height:%d,box:%d,candidate:%d}\n%s\n%s\n", std::string(orvaneMain.caption).c_str(),
                px(orvaneMain.innerWidth), px(orvaneMain.innerHeight), px(usrcntGrid[0].width), px(btnBlock[0].width),
                ui::web::boardStyle().c_str(), ui::web::boardMarkup().c_str());
    for (const words::PageWord& word : words::all)
        if (*word.placeholder)
            std::printf("%s=%s\n", word.placeholder, word.english);
    for (int language = 0; language < catalogue::languages(); ++language)
        std::printf("manifest-%s.json=%s\n", std::string(catalogue::tagOf(language)).c_str(),
                    catalogue::translated(words::description, language));
}
