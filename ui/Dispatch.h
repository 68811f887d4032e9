#pragma once
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "ui/Event.h"

namespace ui {

// The one way a click from the toolkit enters the board, and the one place that
// catches. The core never does: a counter out of its 16-bit range or a subscript
// out of bounds is a programming error, so the program says so in one line on
// stderr and ends with a failure status rather than play on with a board it can
// no longer trust, and nothing unwinds through the toolkit's event loop.
// alsoShow lets a front-end put the same words in front of the player.
[[noreturn]] inline void endWithFailure(const char* message, void (*alsoShow)(const char*)) noexcept
{
    std::fprintf(stderr, "Orvane: internal error: %s\n", message);
    std::fflush(stderr);
    if (alsoShow)
        alsoShow(message);
    std::_Exit(EXIT_FAILURE);
}

inline void dispatchClick(const Event<>& click, void (*alsoShow)(const char* message) = nullptr) noexcept
{
    try {
        click.raise();
    } catch (const std::exception& e) {
        endWithFailure(e.what(), alsoShow);
    } catch (...) {
        endWithFailure("unknown failure", alsoShow);
    }
}

} // namespace ui
