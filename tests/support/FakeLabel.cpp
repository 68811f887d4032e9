#include "support/FakeLabel.h"

#include <utility>

namespace support {

FakeLabel::FakeLabel(WriteLog& log, ControlAddress where, std::string_view designCaption, ui::Label* mirror)
    : log_(log),
      where_(std::move(where)),
      caption_(designCaption),
      mirror_(mirror)
{
}

void FakeLabel::setCaption(std::string_view caption)
{
    caption_ = caption;
    if (mirror_)
        mirror_->setCaption(caption);
    if (!log_.recording())
        return;
    LogEntry entry;
    entry.what = LogEntry::What::Caption;
    entry.where = where_;
    entry.caption = caption_;
    log_.record(std::move(entry));
}

} // namespace support
