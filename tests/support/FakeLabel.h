#pragma once
#include <string>
#include <string_view>

#include "support/WriteLog.h"
#include "ui/Controls.h"

namespace support {

// A cell's label in the recording fake: keeps its caption, logs every write.
class FakeLabel final : public ui::Label {
public:
    explicit FakeLabel(WriteLog& log, ControlAddress where, std::string_view designCaption,
                       ui::Label* mirror = nullptr);

    void setCaption(std::string_view caption) override;
    const std::string& caption() const { return caption_; }

private:
    WriteLog& log_;
    ControlAddress where_;
    std::string caption_;
    ui::Label* mirror_;
};

} // namespace support
