#pragma once
#include <optional>
#include <string>
#include <vector>

#include "support/PlayerAction.h"

// One play through the real clipboard, the same on every build
// (tests/support/clipboard-play.tsv): each build's test presses the keys with its
// own toolkit and holds its board to the reference model after every key.
namespace support {

struct ClipboardStep {
    std::string key;                      // "5", "Ctrl+V", "Ctrl+Z", "Ctrl+C", "Shift+Insert"
    std::optional<std::string> clipboard; // put on the clipboard just before the key
    std::optional<PlayerAction> action;   // what the key does, for the model
    struct Focus {
        RowColumn place;
        int candidate = 0;
    };
    std::optional<Focus> focus;        // where the focus goes
    std::optional<std::string> copied; // the clipboard's text after the key, "\n" its line end
    std::optional<std::string> told;   // what a refused paste says, in the language of the test
};

// The steps of the table at `path`, with the refusals in `language`, "en" or "de".
std::vector<ClipboardStep> clipboardPlay(const char* path, const std::string& language);

} // namespace support
