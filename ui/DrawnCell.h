#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "ui/BoardPlace.h"
#include "ui/ChangedOnly.h"
#include "ui/Controls.h"

// One cell as a desktop front-end draws it: the label and, over it, nine
// candidate buttons that are no widgets of their own. The cell keeps what the
// board last wrote to them, which candidate holds the keyboard focus and which
// one is held down, and turns the player's input, given as plain verbs, into
// clicks and squares to draw again. It decides everything a player could notice;
// a front-end only translates its toolkit's events into these verbs and paints
// the looks it is given.
//
// Ownership and call direction: the front-end owns the cell and the CellView it
// is built with, and calls the verbs; the cell calls back into the view as its
// looks change, synchronously. The board writes to the candidates and the label
// through CellControls, as to any other front-end's controls. A click is only
// reported: the front-end dispatches it (Reply::clicked) through the one
// dispatch point, after its own bookkeeping.
namespace ui {

class CellView {
public:
    enum class Change {
        Visible, Enabled, Face,  // the board wrote a new value
        Down,                    // a candidate was pressed or let go
        FocusCame, FocusGone,    // the focus frame came to or left a candidate
        Caption,                 // the label's caption (part is labelPart)
    };
    virtual ~CellView() = default;
    // `part` looks different now: draw its square again, and tell assistive technology.
    virtual void cellChanged(std::int16_t part, Change change) = 0;
    // The focused candidate was hidden or barred and no later one of the cell
    // takes the focus: it moves on to the next cell, as Tab would move it.
    virtual void passFocusOn() = 0;
};

class DrawnCell final : public CellControls {
public:
    static constexpr std::int16_t size = 9;
    static constexpr std::int16_t labelPart = size;
    static constexpr std::int16_t none = -1;

    // What the front-end draws for a candidate.
    struct Look {
        SysColor face = SysColor::ButtonFace;
        bool visible = true;
        bool enabled = true;  // a barred candidate's caption is drawn disabled
        bool focused = false; // with the focus rectangle
        bool down = false;    // sunk, pressed
        bool operator==(const Look&) const = default;
    };

    // What an input came to. Input the cell did not use goes on: a press to the
    // box beneath, a Tab to the next cell, a key to the window.
    struct Reply {
        bool handled = false;
        std::int16_t clicked = none;  // the candidate to click now
    };

    // How the keyboard focus came to the cell: by Tab, by Shift+Tab, or otherwise
    // (a press, the window activated again), when it returns to where it was.
    enum class Entry { Front, Back, Other };

    DrawnCell(CellView& view, RowColumn place);
    DrawnCell(const DrawnCell&) = delete;
    DrawnCell& operator=(const DrawnCell&) = delete;

    Button& btnBlock(std::int16_t index) override { return candidate(index); }
    Label& lbl() override { return label_; }

    Look look(std::int16_t index) const;
    const std::string& caption() const { return label_.caption(); }
    RowColumn place() const { return place_; }
    // "Row 4, column 7, candidate 5", and the label's "Row 4, column 7, digit 5"
    // while it shows a digit, else nothing.
    std::string candidateName(std::int16_t index) const;
    std::string labelName() const;

    // Whether a candidate, or any, may take the focus: shown and not barred.
    bool takesFocus(std::int16_t index) const;
    bool takesFocus() const { return stop(0, true) != none; }
    bool hasFocus() const { return focused_; }
    std::int16_t focus() const { return focus_; }
    // The first shown candidate, in array order, for which `holds(index)` is true: the
    // one under a point. None where the label shows.
    template <class Holds>
    std::int16_t shownWhere(Holds holds) const
    {
        for (std::int16_t i = 0; i < size; ++i)
            if (look(i).visible && holds(i))
                return i;
        return none;
    }

    // The mouse. A press on a candidate that takes the focus gives it the focus;
    // only the primary button holds it down, and only while the pointer stays on
    // it (`at` is the candidate under the pointer, or none); the release clicks it
    // there. A press elsewhere is not the cell's.
    Reply press(std::int16_t at, bool primary);
    Reply drag(std::int16_t at);
    Reply release(std::int16_t at);
    // Space (or Select) holds the focused candidate down; its release clicks it.
    Reply spaceDown(bool autoRepeat);
    Reply spaceUp(bool autoRepeat);
    // Escape lets a held candidate go without a click.
    Reply escape();
    // Tab, Shift+Tab and the arrows move the focus to the next candidate that
    // takes it; past the last one the focus leaves the cell.
    Reply tab(bool forward);
    bool canTab(bool forward) const;
    void focusIn(Entry entry);
    // `keepHeld` for a focus that leaves only for a moment (a popup).
    void focusOut(bool keepHeld = false);
    // Assistive technology presses a candidate: it is held down until released(),
    // and one held that way before is clicked at once.
    Reply activate(std::int16_t index);
    Reply activated();

private:
    class Candidate final : public ChangedOnlyButton {
    public:
        Candidate(DrawnCell& cell, std::int16_t index);

    private:
        void showVisible(bool) override { cell_.candidateChanged(index_, CellView::Change::Visible); }
        void showEnabled(bool) override { cell_.candidateChanged(index_, CellView::Change::Enabled); }
        void showBackColor(SysColor) override { cell_.view_.cellChanged(index_, CellView::Change::Face); }

        DrawnCell& cell_;
        std::int16_t index_;
    };
    class DigitLabel final : public ChangedOnlyLabel {
    public:
        explicit DigitLabel(DrawnCell& cell);

    private:
        void showCaption(const std::string&) override { cell_.view_.cellChanged(labelPart, CellView::Change::Caption); }

        DrawnCell& cell_;
    };
    enum class HeldBy { Mouse, Key, Assistant };

    Candidate& candidate(std::int16_t index) { return candidates_.at(static_cast<std::size_t>(index)); }
    const Candidate& candidate(std::int16_t index) const { return candidates_.at(static_cast<std::size_t>(index)); }
    void candidateChanged(std::int16_t index, CellView::Change change);
    // The first candidate from tab position `from` on (or back) that takes the focus.
    std::int16_t stop(int from, bool forward) const;
    void moveFocus(std::int16_t to);
    void hold(std::int16_t index, HeldBy by);
    void setDown(bool down);
    // Lets the held candidate go and says which it was.
    std::int16_t letGo();

    CellView& view_;
    RowColumn place_;
    std::array<Candidate, size> candidates_;
    DigitLabel label_;
    std::int16_t focus_;
    bool focused_ = false;
    std::int16_t held_ = none;
    HeldBy heldBy_ = HeldBy::Mouse;
    bool down_ = false;  // the held candidate shows sunk
};

} // namespace ui
