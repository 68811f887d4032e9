#include "ui/web/PageLanguage.h"

#include <emscripten/emscripten.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/Catalogue.h"
#include "ui/Designs.h"
#include "ui/PlaceNames.h"
#include "ui/web/Elements.h"
#include "ui/web/PageWords.h"

namespace {

// The page's one language, chosen as it starts; until then, and when the player
// prefers English, the English the page is written in.
int spoken = ui::catalogue::english;

EM_JS(void, orvane_languages, (char* out, int size),
      { stringToUTF8((navigator.languages || [navigator.language]).join(","), out, size); });
// An attribute of the element the selector finds, or its text when the attribute is "".
EM_JS(void, orvane_words, (const char* selector, const char* attribute, const char* text), {
    const node = document.querySelector(UTF8ToString(selector));
    const name = UTF8ToString(attribute);
    if (name)
        node.setAttribute(name, UTF8ToString(text));
    else
        node.textContent = UTF8ToString(text);
});
EM_JS(void, orvane_aria_name, (int element, const char* name),
      { orvanePage.elements[element].setAttribute("aria-label", UTF8ToString(name)); });
EM_JS(void, orvane_command_caption, (int element, const char* caption),
      { orvanePage.elements[element].textContent = UTF8ToString(caption); });

} // namespace

int ui::catalogue::spokenLanguage() { return spoken; }

namespace ui::web {

void speakTheBrowsersLanguage()
{
    char list[512] = "";
    orvane_languages(list, sizeof list);
    std::vector<std::string_view> preferred;
    for (std::string_view rest = list; !rest.empty();) {
        const std::size_t comma = rest.find(',');
        preferred.push_back(rest.substr(0, comma));
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    }
    spoken = catalogue::bestLanguage(preferred);
    // Some of the words are written only now, so all are written in every language.
    for (const words::PageWord& word : words::all)
        orvane_words(word.selector, word.attribute, _(word.english));
    if (spoken == catalogue::english)
        return;
    const std::string tag(catalogue::tagOf(spoken));
    orvane_words("html", "lang", tag.c_str());
    // Installed, the page is named and described in the language it speaks.
    orvane_words("link[rel=manifest]", "href", ("manifest-" + tag + ".json").c_str());
    for (std::int16_t b = 0; b < 9; ++b)
        for (std::int16_t k = 0; k < 9; ++k) {
            const RowColumn place = rowColumnOf({b, k});
            orvane_aria_name(cellElement(b, k), cellName(place).c_str());
            for (std::int16_t i = 0; i < 9; ++i)
                orvane_aria_name(candidateElement(b, k, i), candidateName(place, i).c_str());
        }
    orvane_command_caption(resetElement, _(designs::cmdReset.caption.data()));
    orvane_command_caption(fixElement, _(designs::cmdFix.caption.data()));
    orvane_command_caption(unFixElement, _(designs::cmdUnFix.caption.data()));
}

} // namespace ui::web
