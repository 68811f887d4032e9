#pragma once
#include <cstdint>
#include <random>
#include <vector>

#include "support/PlayerAction.h"
#include "support/ReferenceModel.h"

namespace support {

// Plays like a person filling the board in: mostly picks on free candidates,
// now and then a pick taken back, "Fix" and "Un-Fix" every few dozen moves, a
// poke at a frozen cell, and rarely a "Reset", so that boards fill up before
// they are emptied. It only makes clicks a front-end would deliver (on a
// visible, enabled button) plus clicks on fixed cells, which must be ignored.
// One that `undoes` plays through the history: it also undoes and redoes, often
// a few steps back and forth, and a "Reset" or a paste half the time at once; it
// copies the board now and then, and pastes a puzzle, most often the board's own
// copy. The same seed always gives the same game.
class RandomPlayer {
public:
    explicit RandomPlayer(std::uint32_t seed, bool undoes = false) : random_(seed), undoes_(undoes) {}

    PlayerAction next(const ReferenceModel& model);

private:
    PlayerAction play(const ReferenceModel& model);
    // The board's own picks, or a fresh puzzle of 17 to 35 givens that never repeat.
    Puzzle puzzleFor(const ReferenceModel& model);

    int below(int n) { return static_cast<int>(random_() % static_cast<std::uint32_t>(n)); }
    template <class T>
    const T& anyOf(const std::vector<T>& items)
    {
        return items.at(below(static_cast<int>(items.size())));
    }

    std::mt19937 random_;
    bool undoes_;
    PlayerAction::Kind last_ = PlayerAction::Kind::Click;
};

} // namespace support
