#pragma once

namespace ui {

// Takes the player's locale and reads the catalogues from `localeDir`, a folder
// laid out as share/locale (de/LC_MESSAGES/orvane.mo).
void openCatalogue(const char* localeDir);

} // namespace ui
