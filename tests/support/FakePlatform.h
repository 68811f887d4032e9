#pragma once
#include <memory>

#include "support/FakeBoardWindow.h"
#include "support/WriteLog.h"
#include "ui/Controls.h"

namespace support {

// The recording fake's platform: logs "createBoardWindow" and hands out fake
// windows that share its log. The windows belong to whoever takes them (the
// core); lastWindow() points at the newest one for as long as it lives.
class FakePlatform final : public ui::Platform {
public:
    FakePlatform() = default;

    std::unique_ptr<ui::BoardWindow> createBoardWindow() override;

    WriteLog& log() { return *log_; }
    const WriteLog& log() const { return *log_; }
    int windowsCreated() const { return windowsCreated_; }
    FakeBoardWindow* lastWindow() const { return lastWindow_; }

private:
    std::shared_ptr<WriteLog> log_ = std::make_shared<WriteLog>();
    FakeBoardWindow* lastWindow_ = nullptr;
    int windowsCreated_ = 0;
};

} // namespace support
