#pragma once
#include <cstdint>
#include <stdexcept>

namespace ui {

// Counters are 16-bit. Stepping one past its range is a programming error that
// must end the click, never wrap silently into a wrong bar count.
inline std::int16_t checkedAdd(std::int16_t a, std::int16_t b)
{
    std::int16_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        throw std::overflow_error("16-bit counter overflow");
    return sum;
}

} // namespace ui
