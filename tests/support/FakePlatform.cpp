#include "support/FakePlatform.h"

namespace support {

std::unique_ptr<ui::BoardWindow> FakePlatform::createBoardWindow()
{
    LogEntry entry;
    entry.what = LogEntry::What::CreateBoardWindow;
    log_->record(std::move(entry));
    ++windowsCreated_;
    auto window = std::make_unique<FakeBoardWindow>(log_);
    lastWindow_ = window.get();
    return window;
}

} // namespace support
