#pragma once

// Orvane.exe speaks the first of the user's preferred interface languages that its
// catalogue has, as Windows programs follow the languages of Windows itself.
namespace ui::win32 {

// The catalogue's language (Catalogue.h) for the user's preferred interface
// languages, by the catalogue's one rule (catalogue::bestLanguage).
int userLanguage();

} // namespace ui::win32
