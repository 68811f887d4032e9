#include "support/PlayerAction.h"

namespace support {

std::string PlayerAction::text() const
{
    switch (kind) {
    case Kind::Click:
        return "click \"" + std::to_string(candidate + 1) + "\" at row " + std::to_string(pos.row) + ", col " +
               std::to_string(pos.col);
    case Kind::Fix: return "\"Fix\"";
    case Kind::UnFix: return "\"Un-Fix\"";
    case Kind::Reset: return "\"Reset\"";
    }
    return "?";
}

} // namespace support
