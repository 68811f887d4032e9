#pragma once
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Every word a player sees or hears goes through one of these two markers, so that
// xgettext finds it for the catalogue (po/): _ where the text is shown, N_ where it
// is only stored (the designs' captions) and shown later through _. Each build looks
// a marked text up its own way (LocaleText.cpp, CatalogueText.cpp); without a
// catalogue for the player's language, the text is the design's English unchanged.
namespace ui {

constexpr const char* N_(const char* english) { return english; }

// The player's words for `english`, a marked text; `english` itself where there are none.
const char* _(const char* english);

// `format` with gettext's positional arguments %1$d to %9$d (or %1$s ...) replaced by
// `args` in the order the translation puts them; %% is a percent sign.
std::string formatted(std::string_view format, std::initializer_list<std::string_view> args);
std::string formatted(std::string_view format, const std::vector<std::string>& args);

} // namespace ui
