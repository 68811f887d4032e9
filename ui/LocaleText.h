#pragma once
#include <string>

namespace ui {

// Takes the player's locale and reads the catalogues found from `programDir`, the
// program's own folder: laid out as share/locale (de/LC_MESSAGES/orvane.mo), in
// locale/ beside it where it was built, or where it is installed, under share/locale
// as that lies from the program's folder under any prefix.
void openCatalogue(const std::string& programDir);

} // namespace ui
