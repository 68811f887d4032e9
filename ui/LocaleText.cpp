#include "ui/LocaleText.h"

#include <clocale>
#include <libintl.h>
#include <sys/stat.h>

#include "ui/Text.h"

// The Linux program speaks the language of the player's locale (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG), through the C library's gettext, as every program of the
// desktop does. What is installed makes its choice the catalogue's own rule
// (po/CMakeLists.txt).
namespace ui {
namespace {
constexpr const char* domain = "orvane";

bool isFolder(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

} // namespace

// The empty text stays empty: gettext would answer it with the catalogue's header.
const char* _(const char* english) { return *english ? dgettext(domain, english) : english; }

void openCatalogue(const std::string& programDir)
{
    // A locale the machine lacks leaves the C locale, in which gettext reads no
    // LANGUAGE; C.UTF-8 reads it, so a player who asked for a language still gets it.
    if (!std::setlocale(LC_ALL, ""))
        std::setlocale(LC_ALL, "C.UTF-8");
    const std::string built = programDir + "/locale";
    const std::string installed = programDir + "/" ORVANE_LOCALE_FROM_PROGRAM;
    bindtextdomain(domain, (isFolder(built) ? built : installed).c_str());
    bind_textdomain_codeset(domain, "UTF-8");
}

} // namespace ui
