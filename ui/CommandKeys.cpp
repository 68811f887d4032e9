#include "ui/CommandKeys.h"

#include "ui/Text.h"

namespace ui {
namespace {

constexpr const KeyChord& firstChord(Command command)
{
    for (const KeyChord& chord : commandKeys)
        if (chord.command == command)
            return chord;
    return commandKeys.front();
}

// Letters need no translation; the menu shows no other key.
static_assert(firstChord(Command::Undo).key != CommandKey::Insert &&
              firstChord(Command::Redo).key != CommandKey::Insert &&
              firstChord(Command::Copy).key != CommandKey::Insert &&
              firstChord(Command::Paste).key != CommandKey::Insert);

} // namespace

std::string shownKeys(Command command)
{
    const KeyChord& chord = firstChord(command);
    std::string shown;
    if (chord.ctrl)
        // Translators: the Ctrl key's name as the language's keyboards and programs print it, as in "Ctrl+Z".
        shown += std::string(_("Ctrl")) + '+';
    if (chord.shift)
        // Translators: the Shift key's name as the language's keyboards and programs print it, as in "Ctrl+Shift+Z".
        shown += std::string(_("Shift")) + '+';
    return shown + static_cast<char>(chord.key);
}

} // namespace ui
