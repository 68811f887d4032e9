#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/desktop/DrawnBoard.h"

namespace support {

// The desktop board with a recording desktop beneath it: what the board asks to
// have drawn again, what it draws there through the primitives (kept as the
// picture of each candidate and label), the clicks it reports and what it
// announces. A front-end that does what the board says shows this picture.
class BoardPicture final : private ui::desktop::BoardView, private ui::desktop::Painter {
public:
    using Part = ui::desktop::Part;
    // `onClick` carries out a click the board reports, on the candidate `part`.
    explicit BoardPicture(std::function<void(Part)> onClick);

    ui::desktop::DrawnBoard& board() { return board_; }
    // The history the board's actions go through, as a front-end's program-wide one.
    void playThrough(History& history) { history_ = &history; }
    // The centre of a candidate's square, where a player would press it.
    ui::desktop::Point centreOf(Part part) const;

    // Draws what the board asked for since the last paint, as a desktop's next
    // paint does, and returns those areas.
    std::vector<ui::desktop::Rect> paint();
    // Whether, after a paint, every candidate and label shows what the board holds.
    bool showsWhatItHolds();

    std::vector<Part> clicked;                            // since last cleared
    std::vector<std::pair<Part, Announcement>> announced; // since last cleared
    int focusHeardAway = 0;               // focus events for a node that did not hold the focus as they went out
    std::optional<std::string> clipboard; // the platform's, as the player left it
    std::vector<std::string> warned;      // since last cleared

private:
    struct Drawn {
        bool shown = false, embossed = false, sunk = false, focusFrame = false;
        ui::SysColor face = ui::SysColor::ButtonFace;
    };

    void redraw(const ui::desktop::Rect& area) override { dirty_.push_back(area); }
    History* history() const override { return history_; }
    History::Step dispatch(const std::function<History::Step()>& action) override { return action(); }
    void click(Part candidate) override;
    void announce(Part part, Announcement what) override;
    void takesFocusChanged(bool) override {}
    std::variant<std::string, PuzzleProblem> clipboardText(std::size_t atMost) const override
    {
        if (!clipboard)
            return PuzzleProblem::noText();
        return clipboard->substr(0, atMost);
    }
    bool putOnClipboard(const std::string& text) override
    {
        clipboard = text;
        return true;
    }
    bool clipboardHoldsText() const override { return clipboard.has_value(); }
    void warn(const std::string& message) override { warned.push_back(message); }
    void takeFocus() override
    {
        if (!board_.hasFocus())
            board_.focusIn(ui::desktop::DrawnBoard::Entry::Other);
    }

    void clip(const ui::desktop::Rect& area) override { clip_ = area; }
    void fill(const ui::desktop::Rect& area, ui::SysColor colour) override;
    void edge(const ui::desktop::Rect& area, bool sunk) override;
    void caption(const ui::desktop::Rect& area, int index, ui::SysColor colour) override;
    void label(const ui::desktop::Rect& area, std::string_view text, ui::SysColor colour) override;
    void focusFrame(const ui::desktop::Rect& area) override;
    // The candidate whose square holds the centre of `area`, if it is one.
    Drawn* candidateAt(const ui::desktop::Rect& area);

    std::function<void(Part)> onClick_;
    History* history_ = nullptr;
    ui::desktop::DrawnBoard board_;
    std::vector<ui::desktop::Rect> dirty_;
    ui::desktop::Rect clip_;
    std::array<std::array<Drawn, 9>, 81> candidates_{};
    std::array<std::string, 81> captions_{};
    std::array<bool, 81> cellFrames_{};
};

} // namespace support
