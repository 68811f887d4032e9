#include "ui/LocaleText.h"

#include <clocale>
#include <libintl.h>

#include "ui/Text.h"

// The Linux program speaks the language of the player's locale (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG), through the C library's gettext and the catalogues installed
// under share/locale, as every program of the desktop does.
namespace ui {
namespace {
constexpr const char* domain = "orvane";
}

// The empty text stays empty: gettext would answer it with the catalogue's header.
const char* _(const char* english) { return *english ? dgettext(domain, english) : english; }

void openCatalogue(const char* localeDir)
{
    std::setlocale(LC_ALL, "");
    bindtextdomain(domain, localeDir);
    bind_textdomain_codeset(domain, "UTF-8");
}

} // namespace ui
