#include <string>
#include <variant>

#include "app/PuzzleText.h"
#include "ui/desktop/DrawnBoard.h"

// The player's actions on the desktop board, as every desktop carries them out:
// each goes through the board's history by the front-end's one dispatch point,
// and screen readers hear of the focus once where it has landed.
namespace ui::desktop {

void BoardView::click(Part candidate)
{
    if (History* played = history())
        dispatch([played, candidate] {
            played->click(rowColumnAt(candidate.cell), candidate.part);
            return History::Step{};
        });
}

History::Step DrawnBoard::play(const std::function<History::Step(History&)>& action)
{
    History* played = view_.history();
    return played ? view_.dispatch([&] { return action(*played); }) : History::Step{};
}

void DrawnBoard::undo(bool redo)
{
    const Settled settled{*this};
    const History::Step step = play([redo](History& history) { return redo ? history.redo() : history.undo(); });
    if (step.happened && focused_) {
        const std::optional<std::int16_t> touched =
            step.cell ? std::optional(rowMajor(rowColumnOf(*step.cell))) : std::nullopt;
        moveTo(landAfterUndo(*this, focusHere(), touched));
    }
}

void DrawnBoard::command(void (History::*command)())
{
    const Settled settled{*this};
    play([command](History& history) {
        (history.*command)();
        return History::Step{};
    });
}

// Screen readers hear of the focus once it has come to rest: a freeze hides the
// focused pick before the cell's digit shows, so the focus passes through the
// cell on its way to the label, and only the label is announced.
void DrawnBoard::announceFocus()
{
    if (!focused_ || focus() == announced_)
        return;
    announced_ = focus();
    view_.announce(announced_, BoardView::Announcement::Focus);
}

std::optional<PuzzleProblem> DrawnBoard::pasteText(std::string_view text)
{
    const Settled settled{*this};
    std::optional<PuzzleProblem> problem = PuzzleProblem::noText();
    play([&problem, text](History& history) {
        problem = history.paste(text);
        return History::Step{};
    });
    if (!problem) {
        moveTo(firstStop(*this, focusHere()));
        view_.takeFocus();
    }
    return problem;
}

std::string DrawnBoard::copyText() const
{
    const History* played = view_.history();
    return played ? puzzleText(puzzleOf(played->board())) : std::string();
}

// The reader reads no more than its limit; one byte more tells it the text is longer.
void DrawnBoard::paste()
{
    std::variant<std::string, PuzzleProblem> got = view_.clipboardText(maxPuzzleTextBytes + 1);
    const auto* text = std::get_if<std::string>(&got);
    const std::optional<PuzzleProblem> problem = text ? pasteText(*text) : std::get<PuzzleProblem>(got);
    if (problem)
        view_.warn(problem->text());
}

void DrawnBoard::copy()
{
    if (!view_.putOnClipboard(copyText()))
        view_.warn(PuzzleProblem::clipboardBusy().text());
}

bool DrawnBoard::offers(MenuItem item) const
{
    const History* played = view_.history();
    if (!played)
        return false;
    switch (item) {
    case MenuItem::Undo: return played->canUndo();
    case MenuItem::Redo: return played->canRedo();
    case MenuItem::Copy: return puzzleOf(played->board()) != Puzzle{};
    case MenuItem::Paste: return view_.clipboardHoldsText();
    }
    return false;
}

void DrawnBoard::choose(MenuItem item)
{
    switch (item) {
    case MenuItem::Undo: undo(false); return;
    case MenuItem::Redo: undo(true); return;
    case MenuItem::Copy: copy(); return;
    case MenuItem::Paste: paste(); return;
    }
}

} // namespace ui::desktop
