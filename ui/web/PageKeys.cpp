#include "ui/web/PageKeys.h"

#include <optional>

#include "app/modOrvane.h"
#include "ui/BoardPlace.h"
#include "ui/KeyMoves.h"
#include "ui/web/Elements.h"
#include "ui/web/Page.h"

namespace ui::web {
namespace {

// page.js sends the verbs by these numbers.
constexpr bool numbered(Key key, int number) { return static_cast<int>(key) == number; }
static_assert(numbered(Key::Left, 4) && numbered(Key::Right, 5) && numbered(Key::Up, 6) && numbered(Key::Down, 7));
static_assert(numbered(Key::RowStart, 8) && numbered(Key::RowEnd, 9) && numbered(Key::BoardStart, 10) &&
              numbered(Key::BoardEnd, 11));
static_assert(numbered(Key::Digit1, 12) && numbered(Key::Digit9, 20) && numbered(Key::TakeBack, 21));

// The keys count cells row by row on the board; the page, box by box.
BoxCell placeOf(std::int16_t cell) { return boxCellOf(rowColumnAt(cell)); }
std::int16_t cellAt(int boxMajor) { return rowMajor(rowColumnOf(boxCellAt(boxMajor))); }

// What the keys read of the board: what its buttons were last told to show.
class ShownButtons final : public ShownBoard {
public:
    explicit ShownButtons(const WebBoardWindow& window) : window_(window) {}
    bool shown(std::int16_t cell, std::int16_t candidate) const override { return button(cell, candidate).visible(); }
    bool barred(std::int16_t cell, std::int16_t candidate) const override { return !button(cell, candidate).enabled(); }
    std::int16_t pick(std::int16_t cell) const override
    {
        const Orvane_Main* board = modOrvane::board();
        const BoxCell place = placeOf(cell);
        return board ? board->box(place.box).cell(place.cell).pick() : BoardFocus::itself;
    }

private:
    const WebButton& button(std::int16_t cell, std::int16_t candidate) const
    {
        return window_.cellAt(placeOf(cell)).button(candidate);
    }

    const WebBoardWindow& window_;
};

// Where the focus stands while `element` has it; nowhere on a command.
std::optional<BoardFocus> focusAt(int element)
{
    if (element >= 0 && element < resetElement) {
        const std::int16_t part = partOfElement(element);
        return BoardFocus{cellAt(cellOfElement(element)), part == labelPart ? BoardFocus::itself : part};
    }
    const int cell = element - cellElement(0, 0);
    if (cell >= 0 && cell < 81)
        return BoardFocus{cellAt(cell), BoardFocus::itself};
    return std::nullopt;
}

// A cell holds the focus itself through its label while that shows a digit.
int elementOf(const WebBoardWindow& window, BoardFocus focus)
{
    const BoxCell place = placeOf(focus.cell);
    if (focus.candidate != BoardFocus::itself)
        return candidateElement(place.box, place.cell, focus.candidate);
    return window.cellAt(place).label().caption().empty() ? cellElement(place.box, place.cell)
                                                          : labelElement(place.box, place.cell);
}

} // namespace

PageKeyAnswer answerPageKey(const WebBoardWindow& window, int element, Key key, bool repeat, bool withinBox)
{
    const std::optional<BoardFocus> from = focusAt(element);
    if (!from)
        return {};
    const KeyAnswer answer =
        answerKey(ShownButtons(window), *from, key, withinBox ? placeOf(from->cell).box : -1, repeat);
    if (!answer.handled)
        return {};
    page::focus(elementOf(window, answer.focus));
    if (answer.click == BoardFocus::itself)
        return {true};
    const BoxCell place = placeOf(answer.focus.cell);
    return {true, candidateElement(place.box, place.cell, answer.click)};
}

void focusAfterUndo(const WebBoardWindow& window, int element, std::optional<BoxCell> touched)
{
    const std::optional<BoardFocus> from = focusAt(element);
    if (!from)
        return;
    const std::optional<std::int16_t> cell = touched ? std::optional(rowMajor(rowColumnOf(*touched))) : std::nullopt;
    page::focus(elementOf(window, landAfterUndo(ShownButtons(window), *from, cell)));
}

void focusFirstStop(const WebBoardWindow& window)
{
    page::focus(elementOf(window, firstStop(ShownButtons(window), BoardFocus{})));
}

} // namespace ui::web
