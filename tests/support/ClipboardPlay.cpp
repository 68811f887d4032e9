#include "support/ClipboardPlay.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <variant>

#include "app/PuzzleText.h"

namespace support {
namespace {

// A field as the table writes it: "-" for nothing, "\n", "\r" and "\t" for themselves.
std::optional<std::string> field(const std::string& text)
{
    if (text == "-")
        return std::nullopt;
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] == '\\' && i + 1 < text.size() ? text[++i] : '\0';
        plain += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c ? c : text[i];
    }
    return plain;
}

ClipboardStep::Focus focusAt(const std::string& place)
{
    std::istringstream in(place);
    int row = 0, column = 0, digit = 0;
    in >> row >> column >> digit;
    return {{row - 1, column - 1}, digit - 1};
}

} // namespace

std::vector<ClipboardStep> clipboardPlay(const char* path, const std::string& language)
{
    std::ifstream table(path);
    if (!table)
        throw std::runtime_error(std::string("no table of the clipboard's play at ") + path);
    std::vector<ClipboardStep> steps;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> fields;
        std::istringstream in(line);
        for (std::string f; std::getline(in, f, '\t');)
            fields.push_back(f);
        fields.resize(7, "-");
        ClipboardStep step{fields[0],    field(fields[1]), std::nullopt,
                           std::nullopt, field(fields[4]), field(fields[language == "de" ? 6 : 5])};
        if (fields[2].starts_with("pick")) {
            const ClipboardStep::Focus at = focusAt(fields[2].substr(4));
            step.action = PlayerAction::click(at.place, at.candidate);
        } else if (fields[2].starts_with("paste ")) {
            step.action = PlayerAction::paste(std::get<Puzzle>(readPuzzle(fields[2].substr(6))));
        } else if (fields[2] == "undo") {
            step.action = PlayerAction::undo();
        }
        if (fields[3] != "-")
            step.focus = focusAt(fields[3]);
        steps.push_back(step);
    }
    return steps;
}

} // namespace support
