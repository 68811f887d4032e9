#include "ui/win32/Fonts.h"

#include <string>

#include "ui/win32/UserLanguage.h"
#include "ui/win32/WindowsError.h"

namespace ui::win32 {

// The captions are in the user's language, in the design font's face for its letters.
Fonts::Fonts(int dpi)
    : caption_(create(designs::defaultControlFont, dpi,
                      captionCharset(userLanguage(), designs::defaultControlFont.charset))),
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
