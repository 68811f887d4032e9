#include "ui/Catalogue.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "CatalogueTable.h"

namespace ui::catalogue {
namespace {

// "pt_BR" and "pt-BR" alike, as "pt-br".
std::string folded(std::string_view tag)
{
    std::string text(tag);
    for (char& c : text)
        c = c == '_' ? '-' : static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text;
}

std::string_view languageOf(std::string_view tag) { return tag.substr(0, tag.find('-')); }

} // namespace

const char* translated(const char* text, int language)
{
    if (language < 0 || language >= languageCount)
        return text;
    const auto* end = englishTexts + textCount;
    const auto* found =
        std::lower_bound(englishTexts, end, text, [](const char* a, const char* b) { return std::strcmp(a, b) < 0; });
    if (found == end || std::strcmp(*found, text) != 0)
        return text;
    const char* words = texts[language][found - englishTexts];
    return *words ? words : text;
}

int bestLanguage(std::span<const std::string_view> preferred)
{
    for (const std::string_view tag : preferred) {
        const std::string wanted = folded(tag);
        if (languageOf(wanted) == "en")
            return english;
        int sameLanguage = english;
        for (int language = languageCount - 1; language >= 0; --language) {
            const std::string offered = folded(languageNames[language]);
            if (offered == wanted)
                return language;
            if (languageOf(offered) == languageOf(wanted))
                sameLanguage = language;
        }
        if (sameLanguage != english)
            return sameLanguage;
    }
    return english;
}

int languages() { return languageCount; }

std::string_view tagOf(int language)
{
    if (language < 0 || language >= languageCount)
        return "en";
    // The catalogue's names are the locale's (pt_BR); a tag joins with a hyphen.
    static constexpr auto tags = [] {
        std::array<std::array<char, 16>, languageCount> all{};
        for (int l = 0; l < languageCount; ++l)
            for (int i = 0; languageNames[l][i] && i < 15; ++i)
                all[l][i] = languageNames[l][i] == '_' ? '-' : languageNames[l][i];
        return all;
    }();
    return tags[language].data();
}

} // namespace ui::catalogue
