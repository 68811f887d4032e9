#include "ui/qt/DigitLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

#include "ui/Designs.h"
#include "ui/qt/DesignFonts.h"
#include "ui/qt/SystemColors.h"

namespace ui::qt {
namespace {

Qt::Alignment horizontal(ui::designs::Alignment alignment)
{
    switch (alignment) {
    case ui::designs::Alignment::Left: return Qt::AlignLeft;
    case ui::designs::Alignment::Center: return Qt::AlignHCenter;
    case ui::designs::Alignment::Right: return Qt::AlignRight;
    }
    return Qt::AlignHCenter;
}

// Without it a label would pass for a bare area; with it, it is static text.
// Qt asks this of every widget it makes an interface for, nine hundred as the
// window opens, so the cheap test of the class name goes first.
QAccessibleInterface* labelAsText(const QString& className, QObject* object)
{
    if (className != QLatin1String("QWidget"))
        return nullptr;
    auto* label = dynamic_cast<DigitLabel*>(object);
    if (label == nullptr)
        return nullptr;
    return new QAccessibleWidget(label, QAccessible::StaticText);
}

} // namespace

DigitLabel::DigitLabel(ui::RowColumn place, QWidget* parent) : QWidget(parent), ChangedOnlyLabel(""), place_(place)
{
    [[maybe_unused]] static const bool readAsText = (QAccessible::installFactory(&labelAsText), true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void DigitLabel::showCaption(const std::string& caption)
{
    text_ = QString::fromStdString(caption);
    setAccessibleName(caption.empty() ? QString() : QString::fromStdString(ui::digitName(place_, caption)));
    update();
}

void DigitLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), systemColor(colours, ui::designs::lbl.face));
    if (text_.isEmpty())
        return;
    painter.setPen(systemColor(colours, ui::designs::lblText));
    painter.setFont(font());
    painter.drawText(rect(), horizontal(ui::designs::lblAlignment) | Qt::AlignTop, text_);
}

} // namespace ui::qt
