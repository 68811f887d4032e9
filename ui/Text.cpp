#include "ui/Text.h"

namespace ui {

// Only what the catalogue holds: each argument as %N$d or %N$s, the numbers already
// written out as text by the caller, and msgfmt --check holds every translation to
// the same arguments as its English.
namespace {

template <class Args>
std::string fill(std::string_view format, const Args& args)
{
    std::string text;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const std::size_t n = i + 1 < format.size() ? static_cast<std::size_t>(format[i + 1] - '1') : args.size();
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == '%') {
            text += '%';
            ++i;
        } else if (format[i] == '%' && n < args.size() && i + 3 < format.size() && format[i + 2] == '$') {
            text += args.begin()[n];
            i += 3; // the argument's number, '$' and its conversion
        } else {
            text += format[i];
        }
    }
    return text;
}

} // namespace

std::string formatted(std::string_view format, std::initializer_list<std::string_view> args)
{
    return fill(format, args);
}

std::string formatted(std::string_view format, const std::vector<std::string>& args) { return fill(format, args); }

} // namespace ui
