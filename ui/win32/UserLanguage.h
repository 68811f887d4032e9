#pragma once

// Orvane.exe speaks the user's interface language where its catalogue has it,
// English otherwise, as Windows programs follow the language of Windows itself.
namespace ui::win32 {

// The catalogue's language (Catalogue.h) for the user's interface language.
int userLanguage();

// The character set of the captions' font in `language`: the design's, unless the
// language writes in another ANSI code page (Russian's 1251), whose face of the
// design font holds its letters.
int captionCharset(int language, int designCharset);

} // namespace ui::win32
