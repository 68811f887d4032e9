#include "ui/qt/BoardPlace.h"

namespace ui::qt {

BoardPlace boardPlace(std::int16_t box, std::int16_t cell)
{
    return {box / 3 * 3 + cell / 3 + 1, box % 3 * 3 + cell % 3 + 1};
}

QString candidateName(BoardPlace place, std::int16_t index)
{
    return QStringLiteral("Row %1, column %2, candidate %3").arg(place.row).arg(place.column).arg(index + 1);
}

QString digitName(BoardPlace place, const QString& digit)
{
    return QStringLiteral("Row %1, column %2, digit %3").arg(place.row).arg(place.column).arg(digit);
}

} // namespace ui::qt
