#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "support/BoardPlaces.h"
#include "ui/SysColor.h"

// The order in which the core writes to its controls is how a test sees the
// order of its calls: a box's fan-out shows as the order in which its cells'
// buttons change, the board's as the order in which its boxes' cells do.
namespace support {

// Which control a write went to. grid and cell are -1 for a cell or box that
// a test builds on its own, outside a board window.
struct ControlAddress {
    enum class Role { CandidateButton, Label, CommandButton };
    std::int16_t grid = -1;
    std::int16_t cell = -1;
    Role role = Role::CandidateButton;
    std::int16_t index = -1; // the candidate, for a candidate button
    std::string name;        // the command button's name, for a command button

    std::string text() const; // "grid 3 / cell 4 / btnBlock 2", "cell 4 / lbl", "cmdFix"
};

struct LogEntry {
    enum class What { Visible, Enabled, BackColor, Caption, CreateBoardWindow, Show };
    What what = What::Visible;
    ControlAddress where; // for property writes
    bool flag = false;    // Visible, Enabled
    ui::SysColor color = ui::SysColor::ButtonFace;
    std::string caption;

    bool isPropertyWrite() const { return what != What::CreateBoardWindow && what != What::Show; }
    // "grid 3 / cell 4 / btnBlock 2: Visible=false", "cell 0 / lbl: Caption=\"5\"", "show"
    std::string text() const;
};

class WriteLog {
public:
    void record(LogEntry entry)
    {
        if (recording_)
            entries_.push_back(std::move(entry));
    }
    // Long runs that only compare states switch recording off to stay fast.
    void setRecording(bool on) { recording_ = on; }
    bool recording() const { return recording_; }
    void clear() { entries_.clear(); }

    const std::vector<LogEntry>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    std::vector<std::string> texts(std::size_t from = 0) const;

    // The cells written to, in order of the writes; a run of writes to one cell
    // counts once, so a cell that repaints shows up once per repaint.
    std::vector<BoxCell> cellRuns(std::size_t from = 0) const;

private:
    std::vector<LogEntry> entries_;
    bool recording_ = true;
};

} // namespace support
