#pragma once
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "ui/BoardPlace.h"
#include "ui/Designs.h"

// The order in which Tab moves the focus, taken from the stored designs' tab
// positions, so that every front-end walks the board the same way. Focus that
// enters a box passes on to its first cell, and from there to the first button.
namespace ui::designs {

// Indices of a control array, ordered by their stored tab positions.
template <std::size_t N>
constexpr std::array<std::int16_t, N> inTabOrder(const std::array<Control, N>& designs)
{
    std::array<std::int16_t, N> order{};
    for (std::size_t n = 0; n < N; ++n)
        order[n] = static_cast<std::int16_t>(n);
    // Ties keep their array order, as a stable sort would; std::stable_sort is not constexpr.
    std::sort(order.begin(), order.end(), [&designs](std::int16_t a, std::int16_t b) {
        const std::int16_t ta = designs[static_cast<std::size_t>(a)].tabIndex;
        const std::int16_t tb = designs[static_cast<std::size_t>(b)].tabIndex;
        return ta != tb ? ta < tb : a < b;
    });
    return order;
}

// The board's 81 cells, each by its place row-major (row * 9 + column), in tab
// order: box by box, and in a box cell by cell.
constexpr std::array<std::int16_t, 81> cellsInTabOrder()
{
    std::array<std::int16_t, 81> order{};
    std::size_t n = 0;
    for (const std::int16_t b : inTabOrder(usrcntGrid))
        for (const std::int16_t k : inTabOrder(usrcntSquare))
            order[n++] = rowMajor(rowColumnOf({b, k}));
    return order;
}

// A child of the board window: one of the nine boxes, or a command button.
struct BoardChild {
    enum class Kind { Box, Reset, Fix, UnFix };
    Kind kind = Kind::Box;
    std::int16_t box = -1; // for a box, its index in usrcntGrid
};

// The board window's twelve children in tab order.
constexpr std::array<BoardChild, 12> boardChildrenInTabOrder()
{
    struct Stop {
        std::int16_t tabIndex;
        std::size_t created;
        BoardChild child;
    };
    std::array<Stop, 12> stops{};
    for (std::size_t b = 0; b < 9; ++b)
        stops[b] = {usrcntGrid[b].tabIndex, b, {BoardChild::Kind::Box, static_cast<std::int16_t>(b)}};
    stops[9] = {cmdReset.tabIndex, 9, {BoardChild::Kind::Reset}};
    stops[10] = {cmdFix.tabIndex, 10, {BoardChild::Kind::Fix}};
    stops[11] = {cmdUnFix.tabIndex, 11, {BoardChild::Kind::UnFix}};
    std::sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) {
        return a.tabIndex != b.tabIndex ? a.tabIndex < b.tabIndex : a.created < b.created;
    });
    std::array<BoardChild, 12> order{};
    for (std::size_t n = 0; n < 12; ++n)
        order[n] = stops[n].child;
    return order;
}

} // namespace ui::designs
