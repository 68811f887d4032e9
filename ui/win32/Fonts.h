#pragma once
#include "ui/Designs.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// The two fonts of the board at one resolution: the default control font of every
// button caption and the large bold face of the cells' digit labels. The board
// window owns them and releases them after its controls are gone.
class Fonts {
public:
    explicit Fonts(int dpi);
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    HFONT caption() const { return caption_; }
    HFONT label() const { return label_; }

    // The height to ask of CreateFont: negative, so that it is the character height.
    static int heightInPixels(const designs::Font& font, int dpi);

    // The character set of the captions' font in `language`: the design's, unless
    // the language writes in another ANSI code page (Russian's 1251), whose face of
    // the design font holds its letters.
    static int captionCharset(int language, int designCharset);

    // `font` at `dpi` in the character set `charset`.
    static HFONT create(const designs::Font& font, int dpi, int charset);

private:
    HFONT caption_ = nullptr;
    HFONT label_ = nullptr;
};

} // namespace ui::win32
