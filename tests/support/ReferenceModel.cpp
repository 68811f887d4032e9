#include "support/ReferenceModel.h"

#include <algorithm>
#include <stdexcept>

namespace support {

namespace {

using ui::SysColor;

std::array<std::vector<RowColumn>, cellCount> computePeers()
{
    std::array<std::vector<RowColumn>, cellCount> peers;
    for (const RowColumn pos : everyRowColumn)
        for (const RowColumn other : everyRowColumn)
            if (arePeers(pos, other))
                peers.at(rowMajorIndexOf(pos)).push_back(other);
    return peers;
}

} // namespace

ReferenceModel::ReferenceModel(std::size_t historyLimit) : historyLimit_(historyLimit)
{
    // As the window opens: every button shown and enabled on Button face, except
    // that "9" wears its design-time Active border; every label already emptied.
    for (Cell& cell : cells_)
        cell.buttons.at(8).backColor = SysColor::ActiveBorder;
}

const std::vector<RowColumn>& ReferenceModel::peersOf(RowColumn pos)
{
    static const std::array<std::vector<RowColumn>, cellCount> peers = computePeers();
    return peers.at(rowMajorIndexOf(pos));
}

bool ReferenceModel::perform(const PlayerAction& action)
{
    const Board before = historyLimit_ > 0 ? cells_ : Board{};
    switch (action.kind) {
    case PlayerAction::Kind::Click: click(action.pos, action.candidate); break;
    case PlayerAction::Kind::Fix: fix(); break;
    case PlayerAction::Kind::UnFix: unFix(); break;
    case PlayerAction::Kind::Reset: reset(); break;
    case PlayerAction::Kind::Paste: paste(action.puzzle); break;
    case PlayerAction::Kind::Copy: break;
    case PlayerAction::Kind::Undo: return travel(done_, undone_);
    case PlayerAction::Kind::Redo: return travel(undone_, done_);
    }
    const auto samePick = [](const Cell& a, const Cell& b) { return a.picked == b.picked && a.fixed == b.fixed; };
    if (historyLimit_ > 0 && !std::equal(before.begin(), before.end(), cells_.begin(), samePick)) {
        done_.push_back(before);
        undone_.clear();
        if (done_.size() > historyLimit_)
            done_.pop_front();
    }
    return true;
}

bool ReferenceModel::travel(std::deque<Board>& from, std::deque<Board>& to)
{
    if (from.empty())
        return false;
    to.push_back(cells_);
    for (std::size_t n = 0; n < cells_.size(); ++n) {
        const bool nineRepainted = cells_.at(n).buttons.at(8).backColor != SysColor::ActiveBorder;
        cells_.at(n) = from.back().at(n);
        if (nineRepainted && cells_.at(n).buttons.at(8).backColor == SysColor::ActiveBorder)
            cells_.at(n).buttons.at(8).backColor = SysColor::ButtonFace; // free, as in any cell without bars
    }
    from.pop_back();
    return true;
}

int ReferenceModel::pickCount() const
{
    int picks = 0;
    for (const Cell& cell : cells_)
        picks += cell.picked >= 0 ? 1 : 0;
    return picks;
}

bool ReferenceModel::clickable(RowColumn pos, int candidate) const
{
    return cellAt(pos).buttons.at(candidate).clickable();
}

int ReferenceModel::bars(RowColumn pos, int candidate) const
{
    const int own = cellAt(pos).picked;
    int count = (own >= 0 && own != candidate) ? 1 : 0;
    for (RowColumn peer : peersOf(pos))
        if (cellAt(peer).picked == candidate)
            ++count;
    return count;
}

int ReferenceModel::shownDigit(RowColumn pos) const
{
    for (int candidate = 8; candidate >= 0; --candidate)
        if (bars(pos, candidate) == 0)
            return candidate;
    return 0;
}

void ReferenceModel::click(RowColumn pos, int candidate)
{
    Cell& cell = cellAt(pos);
    if (cell.fixed)
        return;
    if (!clickable(pos, candidate))
        throw std::logic_error("no player can click a hidden or disabled button");
    cell.picked = cell.picked >= 0 ? -1 : candidate;
    repaint(pos);
    for (RowColumn peer : peersOf(pos))
        if (!cellAt(peer).fixed)
            repaint(peer);
}

void ReferenceModel::repaint(RowColumn pos)
{
    Cell& cell = cellAt(pos);
    const bool isSet = cell.picked >= 0;
    for (int i = 0; i < 9; ++i) {
        ButtonState& button = cell.buttons.at(i);
        const bool free = bars(pos, i) == 0;
        if (!isSet && free) {
            button = {true, true, SysColor::ButtonFace};
        } else if (!isSet) {
            button = {true, false, SysColor::WindowText};
        } else if (free) {
            button.enabled = true; // a free button of a picked cell is not shown again
            button.backColor = SysColor::ButtonFace;
        } else {
            button.visible = false;
            button.backColor = SysColor::WindowText;
        }
    }
}

void ReferenceModel::fix()
{
    for (const RowColumn pos : everyRowColumn) {
        Cell& cell = cellAt(pos);
        if (cell.picked < 0)
            continue;
        const int shown = shownDigit(pos);
        cell.buttons.at(shown).visible = false;
        cell.caption = std::to_string(shown + 1);
        cell.fixed = true;
    }
}

void ReferenceModel::unFix()
{
    for (const RowColumn pos : everyRowColumn) {
        Cell& cell = cellAt(pos);
        if (cell.picked < 0)
            continue;
        cell.caption.clear();
        cell.buttons.at(shownDigit(pos)).visible = true;
        cell.fixed = false;
    }
}

void ReferenceModel::reset()
{
    for (Cell& cell : cells_)
        cell = Cell{};
}

void ReferenceModel::paste(const Puzzle& puzzle)
{
    reset();
    for (const RowColumn pos : everyRowColumn)
        if (puzzle.given(pos) > 0)
            click(pos, puzzle.given(pos) - 1);
    fix();
}

std::string ReferenceModel::copyText() const
{
    std::string text;
    for (const RowColumn pos : everyRowColumn)
        text += isPicked(pos) ? static_cast<char>('1' + picked(pos)) : '.';
    return text + '\n';
}

BoardState ReferenceModel::visibleState() const
{
    BoardState state;
    for (const RowColumn pos : everyRowColumn) {
        const Cell& cell = cellAt(pos);
        CellState& shown = state.at(pos);
        shown.btnBlock = cell.buttons;
        shown.caption = cell.caption;
    }
    return state;
}

} // namespace support
