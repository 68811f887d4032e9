#include "ui/qt/WidgetButton.h"

#include "ui/Dispatch.h"

namespace ui::qt {

WidgetButton::WidgetButton(QAbstractButton& widget) : widget_(widget)
{
    QObject::connect(&widget_, &QAbstractButton::clicked, &widget_, [this] { ui::dispatchClick(Click); });
}

void WidgetButton::setVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    widget_.setVisible(visible);
}

void WidgetButton::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    widget_.setEnabled(enabled);
}

} // namespace ui::qt
