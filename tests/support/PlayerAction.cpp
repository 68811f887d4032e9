#include "support/PlayerAction.h"

#include "app/PuzzleText.h"

namespace support {

std::string PlayerAction::text() const
{
    switch (kind) {
    case Kind::Click:
        return "click \"" + std::to_string(candidate + 1) + "\" at row " + std::to_string(pos.row) + ", col " +
               std::to_string(pos.column);
    case Kind::Fix: return "\"Fix\"";
    case Kind::UnFix: return "\"Un-Fix\"";
    case Kind::Reset: return "\"Reset\"";
    case Kind::Undo: return "undo";
    case Kind::Redo: return "redo";
    case Kind::Paste: return "paste " + puzzleText(puzzle);
    case Kind::Copy: return "copy";
    }
    return "?";
}

void RecentMoves::add(const PlayerAction& action)
{
    moves_.push_back(std::to_string(++count_) + ": " + action.text());
    if (moves_.size() > kept_)
        moves_.pop_front();
}

std::string RecentMoves::text() const
{
    std::string out = "last moves:\n";
    for (const std::string& move : moves_)
        out += "  " + move + '\n';
    return out;
}

} // namespace support
