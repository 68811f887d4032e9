#pragma once
#include <span>
#include <string_view>

// The catalogue as the builds that carry it inside themselves hold it: a table made
// from po/*.po at build time (po/catalogue_table.py). A language is its place in
// po/LINGUAS, counted from 0; English, the design's own words, is -1.
namespace ui::catalogue {

inline constexpr int english = -1;

// The words of `language` for `text`, one of the marked texts; `text` itself where
// the language has none.
const char* translated(const char* text, int language);

// The language to speak to a player who prefers `preferred`, BCP 47 tags best
// first ("de-CH", "pt-BR", "en-US"): the first the catalogue has, by the whole
// tag or else by its language alone; English when the player prefers it first,
// or when the catalogue has none of them.
int bestLanguage(std::span<const std::string_view> preferred);

// The language the player is spoken to in, as the build chose it by bestLanguage
// (ui/win32/UserLanguage.cpp, ui/web/PageLanguage.cpp); _ speaks it (CatalogueText.cpp).
int spokenLanguage();

// How many languages the catalogue has besides English: 0 to languages() - 1.
int languages();

// Its BCP 47 tag ("de", "pt-BR"), as the system and the page name languages.
std::string_view tagOf(int language);

} // namespace ui::catalogue
