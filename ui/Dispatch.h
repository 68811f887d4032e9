#pragma once
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string_view>

#include "ui/Event.h"
#include "ui/Text.h"

namespace ui {

// The words a failure is told in, in the player's language. They are looked up
// while the program starts (holdFailureWords), before anything can fail, and
// telling them needs no memory: a failure for want of memory is still told.
struct FailureWords {
    const char* sentence = N_("Orvane: internal error: %1$s"); // the message in place of %1$s
    const char* title = N_("Orvane: internal error");          // a message box's
};

inline FailureWords& failureWords()
{
    static FailureWords words;
    return words;
}

inline void holdFailureWords()
{
    const FailureWords english;
    failureWords() = {_(english.sentence), _(english.title)};
}

// The one way a click or any other call from the toolkit enters the board, and
// the one place that catches. The core never does: a counter out of its 16-bit
// range or a subscript out of bounds is a programming error, so the program says
// so in one line on stderr and ends with a failure status rather than play on
// with a board it can no longer trust, and nothing unwinds through the toolkit's
// event loop. alsoShow lets a front-end put the same words in front of the player.
[[noreturn]] inline void endWithFailure(const char* message, void (*alsoShow)(const char*)) noexcept
{
    const std::string_view sentence = failureWords().sentence;
    const std::size_t at = std::min(sentence.find("%1$s"), sentence.size());
    const std::string_view after = sentence.substr(std::min(at + 4, sentence.size()));
    std::fprintf(stderr, "%.*s%s%.*s\n", static_cast<int>(at), sentence.data(), message, static_cast<int>(after.size()),
                 after.data());
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
