#pragma once
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "ui/Event.h"
#include "ui/Text.h"

namespace ui {

// The one way a click or any other call from the toolkit enters the board, and
// the one place that catches. The core never does: a counter out of its 16-bit
// range or a subscript out of bounds is a programming error, so the program says
// so in one line on stderr and ends with a failure status rather than play on
// with a board it can no longer trust, and nothing unwinds through the toolkit's
// event loop. alsoShow lets a front-end put the same words in front of the player.
[[noreturn]] inline void endWithFailure(const char* message, void (*alsoShow)(const char*)) noexcept
{
    std::fprintf(stderr, "%s\n", formatted(_("Orvane: internal error: %1$s"), {message}).c_str());
    std::fflush(stderr);
    if (alsoShow)
        alsoShow(message);
    std::_Exit(EXIT_FAILURE);
}

// Any call from the toolkit into the board: a click, or a step of the player's
// history. It hands back what the call returns (an undo's step, for the focus).
template <class Call>
auto dispatch(Call call, void (*alsoShow)(const char* message) = nullptr) noexcept -> decltype(call())
{
    try {
        return call();
    } catch (const std::exception& e) {
        endWithFailure(e.what(), alsoShow);
    } catch (...) {
        endWithFailure("unknown failure", alsoShow);
    }
}

inline void dispatchClick(const Event<>& click, void (*alsoShow)(const char* message) = nullptr) noexcept
{
    dispatch([&click] { click.raise(); }, alsoShow);
}

} // namespace ui
