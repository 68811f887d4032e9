#include "ui/win32/Fonts.h"

#include <string>

#include "ui/Catalogue.h"
#include "ui/win32/WindowsError.h"

namespace ui::win32 {

// The captions are in the user's language, in the design font's face for its letters.
Fonts::Fonts(int dpi)
    : caption_(create(designs::defaultControlFont, dpi,
                      captionCharset(catalogue::spokenLanguage(), designs::defaultControlFont.charset))),
      label_(create(designs::lblFont, dpi, designs::lblFont.charset))
{
}

Fonts::~Fonts()
{
    DeleteObject(label_);
    DeleteObject(caption_);
}

int Fonts::heightInPixels(const designs::Font& font, int dpi)
{
    return -designs::pointsToPixels(font.tenThousandthsOfPoint, dpi);
}

int Fonts::captionCharset(int language, int designCharset)
{
    const std::string_view tag = catalogue::tagOf(language);
    const std::wstring name(tag.begin(), tag.end());
    DWORD codePage = 0;
    if (language == catalogue::english ||
        !GetLocaleInfoEx(name.c_str(), LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                         reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(wchar_t)))
        return designCharset;
    CHARSETINFO info{};
    if (!TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<ULONG_PTR>(codePage)), &info, TCI_SRCCODEPAGE) ||
        info.ciACP == 1252)
        return designCharset;
    return static_cast<int>(info.ciCharset);
}

HFONT Fonts::create(const designs::Font& font, int dpi, int charset)
{
    // Where the face is missing, the font mapper falls back to a plain sans-serif
    // face of the same size, as FF_SWISS asks.
    const std::wstring face(font.name.begin(), font.name.end());
    HFONT created = CreateFontW(heightInPixels(font, dpi), 0, 0, 0, font.weight, font.italic, font.underline,
                                font.strikethrough, static_cast<DWORD>(charset), OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face.c_str());
    return checked(created, "CreateFont");
}

} // namespace ui::win32
