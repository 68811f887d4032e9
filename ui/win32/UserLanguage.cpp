#include "ui/win32/UserLanguage.h"

#include <string>

#include "ui/Catalogue.h"
#include "ui/Text.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {
namespace {

std::wstring localeName(int language)
{
    const std::string_view tag = catalogue::tagOf(language);
    return {tag.begin(), tag.end()};
}

} // namespace

// Asked each time rather than kept: the system holds the answer.
int userLanguage()
{
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = L"";
    if (!LCIDToLocaleName(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT), name, LOCALE_NAME_MAX_LENGTH, 0))
        return catalogue::english;
    const std::wstring wide(name);
    const std::string tag(wide.begin(), wide.end()); // locale names are ASCII
    const std::string_view preferred[] = {tag};
    return catalogue::bestLanguage(preferred);
}

int captionCharset(int language, int designCharset)
{
    DWORD codePage = 0;
    if (language == catalogue::english ||
        !GetLocaleInfoEx(localeName(language).c_str(), LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                         reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(wchar_t)))
        return designCharset;
    CHARSETINFO info{};
    if (!TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<ULONG_PTR>(codePage)), &info, TCI_SRCCODEPAGE) ||
        info.ciACP == 1252)
        return designCharset;
    return static_cast<int>(info.ciCharset);
}

} // namespace ui::win32

const char* ui::_(const char* english) { return catalogue::translated(english, win32::userLanguage()); }
