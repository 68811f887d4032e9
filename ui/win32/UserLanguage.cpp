#include "ui/win32/UserLanguage.h"

#include <string>
#include <string_view>
#include <vector>

#include "ui/Catalogue.h"
#include "ui/win32/WindowsApi.h"

namespace ui::win32 {

// Asked each time rather than kept: the system holds the answer.
int userLanguage()
{
    // The user's list, best first, as "de-DE\0fr-FR\0\0".
    ULONG count = 0, size = 0;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) || size == 0)
        return catalogue::english;
    std::wstring names(size, L'\0');
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size))
        return catalogue::english;
    std::vector<std::string> tags;
    for (const wchar_t* name = names.c_str(); *name; name += std::wstring_view(name).size() + 1)
        tags.emplace_back(name, name + std::wstring_view(name).size()); // language names are ASCII
    const std::vector<std::string_view> preferred(tags.begin(), tags.end());
    return catalogue::bestLanguage(preferred);
}

} // namespace ui::win32

int ui::catalogue::spokenLanguage() { return win32::userLanguage(); }
