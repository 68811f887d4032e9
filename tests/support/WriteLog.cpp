#include "support/WriteLog.h"

#include "support/VisibleState.h"

namespace support {

std::string ControlAddress::text() const
{
    std::string out;
    if (grid >= 0)
        out += "grid " + std::to_string(grid) + " / ";
    if (cell >= 0)
        out += "cell " + std::to_string(cell) + " / ";
    switch (role) {
    case Role::CandidateButton: return out + "btnBlock " + std::to_string(index);
    case Role::Label: return out + "lbl";
    case Role::CommandButton: return out + name;
    }
    return out;
}

std::string LogEntry::text() const
{
    switch (what) {
    case What::Visible: return where.text() + ": Visible=" + (flag ? "true" : "false");
    case What::Enabled: return where.text() + ": Enabled=" + (flag ? "true" : "false");
    case What::BackColor: return where.text() + ": BackColor=" + colorName(color);
    case What::Caption: return where.text() + ": Caption=\"" + caption + "\"";
    case What::CreateBoardWindow: return "createBoardWindow";
    case What::Show: return "show";
    }
    return "?";
}

std::vector<std::string> WriteLog::texts(std::size_t from) const
{
    std::vector<std::string> out;
    for (std::size_t i = from; i < entries_.size(); ++i)
        out.push_back(entries_.at(i).text());
    return out;
}

std::vector<BoxCell> WriteLog::cellRuns(std::size_t from) const
{
    std::vector<BoxCell> runs;
    for (std::size_t i = from; i < entries_.size(); ++i) {
        const LogEntry& entry = entries_.at(i);
        if (!entry.isPropertyWrite() || entry.where.role == ControlAddress::Role::CommandButton)
            continue;
        const BoxCell place{entry.where.grid, entry.where.cell};
        if (runs.empty() || runs.back() != place)
            runs.push_back(place);
    }
    return runs;
}

} // namespace support
