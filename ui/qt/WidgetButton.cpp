#include "ui/qt/WidgetButton.h"

#include "ui/Dispatch.h"

namespace ui::qt {

WidgetButton::WidgetButton(QAbstractButton& widget, ui::SysColor face) : ChangedOnlyButton(face), widget_(widget)
{
    QObject::connect(&widget_, &QAbstractButton::clicked, &widget_, [this] { ui::dispatchClick(Click); });
}

} // namespace ui::qt
