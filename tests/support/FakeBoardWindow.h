#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "support/BoardPicture.h"
#include "support/BoardPlaces.h"
#include "support/FakeBox.h"
#include "support/FakeButton.h"
#include "support/VisibleState.h"
#include "support/WriteLog.h"
#include "ui/Controls.h"

namespace support {

// The board window of the recording fake with all its controls, created at
// once as the stored design has them. It shares its log with whoever made it,
// so the log outlives the window even when the core owns the window. Every write
// to a cell also reaches the desktop board in picture(), whose clicks come back
// as clicks on the fake's buttons.
class FakeBoardWindow final : public ui::BoardWindow {
public:
    explicit FakeBoardWindow(std::shared_ptr<WriteLog> log);

    ui::BoxControls& usrcntGrid(std::int16_t index) override { return *boxes_.at(index); }
    ui::Button& cmdFix() override { return cmdFix_; }
    ui::Button& cmdUnFix() override { return cmdUnFix_; }
    ui::Button& cmdReset() override { return cmdReset_; }
    void show() override;

    WriteLog& log() { return *log_; }
    const WriteLog& log() const { return *log_; }
    int timesShown() const { return timesShown_; }
    FakeBox& box(std::int16_t index) { return *boxes_.at(index); }
    FakeCell& cell(BoxCell place) { return boxes_.at(place.box)->cell(place.cell); }
    const FakeCell& cell(BoxCell place) const { return boxes_.at(place.box)->cell(place.cell); }
    const FakeButton& fixButton() const { return cmdFix_; }
    const FakeButton& unFixButton() const { return cmdUnFix_; }
    const FakeButton& resetButton() const { return cmdReset_; }

    // All 729 candidate buttons and 81 labels as they are now.
    BoardState visibleState() const;
    BoardPicture& picture() { return picture_; }
    // Where desktop board clicks go, when not straight to the candidate's Click.
    std::function<void(BoxCell, std::int16_t)> boardClicks;

private:
    std::shared_ptr<WriteLog> log_;
    BoardPicture picture_;
    std::array<std::unique_ptr<FakeBox>, 9> boxes_;
    FakeButton cmdFix_;
    FakeButton cmdUnFix_;
    FakeButton cmdReset_;
    int timesShown_ = 0;
};

} // namespace support
