#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

#include "support/FakeBoardWindow.h"
#include "support/PlayerAction.h"

namespace fuzz {

// Turns the fuzzer's bytes into the player's moves, one move at a time, read
// against the board as it stands, so that every click is one a player could
// make: on a visible, enabled candidate button, or anywhere on a frozen cell.
//
//   op 0-161    click in cell op % 81 (row-major on the 9x9 board); the next
//               byte picks one of that cell's clickable buttons, modulo their number
//   op 162-189  "Fix"
//   op 190-217  "Un-Fix"
//   op 218-245  poke candidate op % 9 of a frozen cell; the next byte picks
//               the cell among the frozen ones, modulo their number
//   op 246-255  "Reset"
//
// A move the board does not allow now (a cell with nothing clickable, a poke
// when nothing is frozen) is passed over, so every input is a valid game.
class ByteActions {
public:
    ByteActions(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // The next move, or nothing once the bytes run out.
    std::optional<support::PlayerAction> next(const support::FakeBoardWindow& window);

private:
    std::optional<std::uint8_t> take();
    std::optional<support::PlayerAction> clickIn(const support::FakeBoardWindow& window, int ordinal);
    std::optional<support::PlayerAction> pokeFrozen(const support::FakeBoardWindow& window, int candidate);

    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t read_ = 0;
};

} // namespace fuzz
