#pragma once
#include <cstdint>
#include <vector>

#include "ui/Designs.h"
#include "ui/TabOrder.h"
#include "ui/web/Elements.h"

// The board's elements in the order the page holds them: as the focus moves, so
// that Tab walks the board as the designs' tab positions say. Each cell's label
// comes before its buttons, so that it is drawn beneath them. Both the page
// writer (PageMarkup.h) and the running board (boardOrder) walk it here.
namespace ui::web {

// Visitor has boxStart(b), boxEnd(), cellStart(b, k), cellEnd(), label(b, k),
// candidate(b, k, i) and command(design, element).
template <class Visitor>
void walkInDocumentOrder(Visitor& visit)
{
    using Kind = designs::BoardChild::Kind;
    for (const designs::BoardChild& child : designs::boardChildrenInTabOrder()) {
        switch (child.kind) {
        case Kind::Box:
            visit.boxStart(child.box);
            for (const std::int16_t k : designs::inTabOrder(designs::usrcntSquare)) {
                visit.cellStart(child.box, k);
                visit.label(child.box, k);
                for (const std::int16_t i : designs::inTabOrder(designs::btnBlock))
                    visit.candidate(child.box, k, i);
                visit.cellEnd();
            }
            visit.boxEnd();
            break;
        case Kind::Reset: visit.command(designs::cmdReset, resetElement); break;
        case Kind::Fix: visit.command(designs::cmdFix, fixElement); break;
        case Kind::UnFix: visit.command(designs::cmdUnFix, unFixElement); break;
        }
    }
}

// The element number (Elements.h) of every cell, label and button, in document order.
inline std::vector<int> boardOrder()
{
    struct Numbers {
        std::vector<int> order;
        void boxStart(std::int16_t) {}
        void boxEnd() {}
        void cellStart(std::int16_t b, std::int16_t k) { order.push_back(cellElement(b, k)); }
        void cellEnd() {}
        void label(std::int16_t b, std::int16_t k) { order.push_back(labelElement(b, k)); }
        void candidate(std::int16_t b, std::int16_t k, std::int16_t i) { order.push_back(candidateElement(b, k, i)); }
        void command(const designs::Control&, int element) { order.push_back(element); }
    } numbers;
    numbers.order.reserve(elementCount);
    walkInDocumentOrder(numbers);
    return numbers.order;
}

} // namespace ui::web
