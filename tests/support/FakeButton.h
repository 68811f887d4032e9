#pragma once
#include "support/VisibleState.h"
#include "support/WriteLog.h"
#include "ui/Controls.h"

namespace support {

// A button of the recording fake: it keeps its current properties and logs
// every write to them. click() raises Click as the platform does when the
// player clicks; like a test robot it does not look whether the button could
// be clicked, so a test asks clickable() first where that matters.
class FakeButton final : public ui::Button {
public:
    // Every write is also passed on to `mirror`, when there is one.
    explicit FakeButton(WriteLog& log, ControlAddress where, ui::SysColor face, ui::Button* mirror = nullptr);

    void setVisible(bool visible) override;
    void setEnabled(bool enabled) override;
    void setBackColor(ui::SysColor color) override;

    const ButtonState& state() const { return state_; }
    bool clickable() const { return state_.clickable(); }
    void click() const { Click.raise(); }

private:
    void record(LogEntry::What what, bool flag, ui::SysColor color);

    WriteLog& log_;
    ControlAddress where_;
    ButtonState state_;
    ui::Button* mirror_;
};

} // namespace support
