#include "support/FakeButton.h"

#include <utility>

namespace support {

FakeButton::FakeButton(WriteLog& log, ControlAddress where, ui::SysColor face, ui::Button* mirror)
    : log_(log),
      where_(std::move(where)),
      state_{true, true, face},
      mirror_(mirror)
{
}

void FakeButton::setVisible(bool visible)
{
    state_.visible = visible;
    record(LogEntry::What::Visible, visible, {});
    if (mirror_)
        mirror_->setVisible(visible);
}

void FakeButton::setEnabled(bool enabled)
{
    state_.enabled = enabled;
    record(LogEntry::What::Enabled, enabled, {});
    if (mirror_)
        mirror_->setEnabled(enabled);
}

void FakeButton::setBackColor(ui::SysColor color)
{
    state_.backColor = color;
    record(LogEntry::What::BackColor, false, color);
    if (mirror_)
        mirror_->setBackColor(color);
}

void FakeButton::record(LogEntry::What what, bool flag, ui::SysColor color)
{
    if (!log_.recording())
        return;
    LogEntry entry;
    entry.what = what;
    entry.where = where_;
    entry.flag = flag;
    entry.color = color;
    log_.record(std::move(entry));
}

} // namespace support
