#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "ui/BoardPlace.h"
#include "ui/ChangedOnly.h"
#include "ui/Controls.h"
#include "ui/Designs.h"
#include "ui/PlaceNames.h"

// One cell as a desktop draws it: the label beneath nine candidates that are no
// widgets of their own. It keeps what the board wrote to them, the focused and
// the held candidate, and turns the player's input, given as verbs, into clicks
// and squares to draw again. The desktop board (DrawnBoard) owns it and its
// CellView, hands it the verbs and draws the looks it gives; the cell calls back
// as a look changes.
namespace ui::desktop {

class CellView {
public:
    enum class Change { Visible, Enabled, Face, Caption, Down, FocusCame, FocusGone };
    virtual ~CellView() = default;
    // `part` (a candidate, or the label) of the cell at `place` looks different.
    virtual void cellChanged(RowColumn place, std::int16_t part, Change change) = 0;
    // The cell holds the focus where it no longer may: on a candidate now hidden
    // or barred, or itself while a candidate is free again.
    virtual void focusMustMove(RowColumn place) = 0;
};

// The cell is its own label: where no candidate shows, the label is all it is.
class DrawnCell final : public CellControls, private ChangedOnlyLabel {
public:
    static constexpr std::int16_t size = 9;
    static constexpr std::int16_t labelPart = size;
    static constexpr std::int16_t none = -1;

    struct Look { // a candidate's face, caption (disabled while barred), focus rectangle, sunk or not
        SysColor face = SysColor::ButtonFace;
        bool visible = true, enabled = true, focused = false, down = false;
        bool operator==(const Look&) const = default;
    };
    // Input not handled goes on: a press to the box beneath, a Tab to the next cell.
    struct Reply {
        bool handled = false;
        std::int16_t clicked = none;
    };

    DrawnCell(CellView& view, RowColumn place);
    DrawnCell(const DrawnCell&) = delete;

    Button& btnBlock(std::int16_t index) override { return candidates_.at(static_cast<std::size_t>(index)); }
    Label& lbl() override { return *this; }

    Look look(std::int16_t index) const
    {
        const Candidate& shown = candidates_.at(static_cast<std::size_t>(index));
        return {shown.backColor(), shown.visible(), shown.enabled(), focused_ && focus_ == index,
                held_ == index && down_};
    }
    using ChangedOnlyLabel::caption;
    // "Row 4, column 7, candidate 5", and "Row 4, column 7, digit 5" or nothing.
    std::string candidateName(std::int16_t index) const { return ui::candidateName(place_, index); }
    std::string labelName() const { return caption().empty() ? std::string() : digitName(place_, caption()); }

    // Shown and not barred: a candidate that takes the focus.
    bool takesFocus(std::int16_t index) const { return index != none && look(index).visible && look(index).enabled; }
    bool takesFocus() const;
    // The candidate the focus is on, or none while the cell holds it itself.
    std::int16_t focusedCandidate() const { return focus_; }
    // The part that holds the focus: a candidate, else the label while it shows a
    // digit, else (none) the cell.
    std::int16_t focus() const { return focus_ != none || caption().empty() ? focus_ : labelPart; }
    bool focusedItself() const { return focused_ && focus_ == none; }

    // The mouse, `at` the candidate under the pointer or none: a press focuses it,
    // the primary button holds it down while over it, and the release there clicks.
    Reply press(std::int16_t at, bool primary);
    Reply drag(std::int16_t at);
    Reply release(std::int16_t at);
    // Space holds the focused candidate down and its release clicks; Escape lets go.
    Reply spaceDown(bool autoRepeat);
    Reply spaceUp(bool autoRepeat);
    Reply escape();
    // The focus goes to a candidate, or (none) to the cell itself; it shows only
    // while the cell has the keyboard focus.
    void focusOn(std::int16_t to);
    void focusIn();
    void focusOut(bool keepHeld = false); // kept held while a popup has the focus
    // Assistive technology's press: the candidate takes the focus and clicks at once.
    Reply activate(std::int16_t index);
    // A candidate is held down by the mouse or a key, shown sunk or not.
    bool holds() const { return held_ != none; }

private:
    // The board's writes are kept here, once, and reach the cell as changes.
    class Candidate final : public ChangedOnlyButton {
    public:
        Candidate(DrawnCell& cell, std::int16_t index)
            : ChangedOnlyButton(designs::btnBlock.at(static_cast<std::size_t>(index)).face),
              cell_(cell),
              index_(index)
        {
        }

    private:
        void showVisible(bool) override { cell_.candidateChanged(index_, CellView::Change::Visible); }
        void showEnabled(bool) override { cell_.candidateChanged(index_, CellView::Change::Enabled); }
        void showBackColor(SysColor) override { cell_.changed(index_, CellView::Change::Face); }
        DrawnCell& cell_;
        std::int16_t index_;
    };
    enum class HeldBy { Mouse, Key };

    void showCaption(const std::string&) override { changed(labelPart, CellView::Change::Caption); }
    void changed(std::int16_t part, CellView::Change change) { view_.cellChanged(place_, part, change); }
    void candidateChanged(std::int16_t index, CellView::Change change);
    bool heldBy(HeldBy by) const { return held_ != none && heldBy_ == by; }
    void hold(std::int16_t index, HeldBy by);
    void setDown(bool down);
    std::int16_t letGo(); // the candidate let go, if one was held

    CellView& view_;
    RowColumn place_;
    std::array<Candidate, size> candidates_;
    std::int16_t focus_;
    bool focused_ = false;
    std::int16_t held_ = none;
    HeldBy heldBy_ = HeldBy::Mouse;
    bool down_ = false; // the held candidate shows sunk
};

} // namespace ui::desktop
