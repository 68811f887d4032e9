#pragma once
#include <array>
#include <optional>
#include <string>

// The commands that reach the board from anywhere in the window, and their keys:
// one table, from which the Qt shortcuts, Orvane.exe's accelerators, the board
// menu's shown keys and the page's keys are all made.
namespace ui {

enum class Command { Undo, Redo, Copy, Paste };

// The key of a chord: a letter by its capital, as Qt's and Windows' key codes
// name letters, or Insert.
enum class CommandKey : char { C = 'C', V = 'V', Y = 'Y', Z = 'Z', Insert = 1 };

struct KeyChord {
    Command command;
    bool ctrl;
    bool shift;
    CommandKey key;
    bool onMacPage = true; // a Mac page holds Cmd for Ctrl; its Cmd+Y is the browser's History
};

// A command's first chord is the one its menu entry shows.
inline constexpr std::array<KeyChord, 7> commandKeys{{
    {Command::Undo, true, false, CommandKey::Z},
    {Command::Redo, true, true, CommandKey::Z},
    {Command::Redo, true, false, CommandKey::Y, false},
    {Command::Copy, true, false, CommandKey::C},
    {Command::Copy, true, false, CommandKey::Insert},
    {Command::Paste, true, false, CommandKey::V},
    {Command::Paste, false, true, CommandKey::Insert},
}};

// The command a chord gives, if any; on a Mac page (`macPage`), `ctrl` is Cmd.
constexpr std::optional<Command> commandOf(CommandKey key, bool ctrl, bool shift, bool macPage = false)
{
    for (const KeyChord& chord : commandKeys)
        if (chord.key == key && chord.ctrl == ctrl && chord.shift == shift && (chord.onMacPage || !macPage))
            return chord.command;
    return std::nullopt;
}

// A command's first chord in the player's words, "Strg+Umschalt+Z" on a German
// desktop, as the menu shows it beside the command.
std::string shownKeys(Command command);

} // namespace ui
