#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "ui/BoardPlace.h"
#include "ui/Controls.h"
#include "ui/desktop/DrawnCell.h"
#include "ui/desktop/Painter.h"

// The nine boxes of the board window as both desktops show them: one surface on
// which 81 drawn cells stand where the stored designs put them at the surface's
// resolution. It holds the cells and which of them has the keyboard focus, turns
// the player's input, given as verbs at points of the surface, into clicks, says
// which squares must be drawn again and draws them through a Painter.
//
// The front-end owns the board and its BoardView: it translates its toolkit's
// events into the verbs, carries out the Painter's primitives, dispatches the
// clicks and announces what the board tells it to assistive technology. The
// core writes to the cells through box(b), the board window's usrcntGrid(b).
namespace ui::desktop {

// A place in the board's tree: the board itself, a cell (row-major, 0 to 80), or
// a part of a cell: candidate 0 to 8, or its label.
struct Part {
    static constexpr std::int16_t none = -1;
    static constexpr std::int16_t label = DrawnCell::labelPart;
    std::int16_t cell = none;
    std::int16_t part = none;
    bool operator==(const Part&) const = default;
};

class BoardView {
public:
    enum class Announcement { Focus, Show, Hide, StateChange, NameChange };
    virtual ~BoardView() = default;
    // Draw `area` of the surface again; every area asked for until the next paint
    // is drawn in that one paint.
    virtual void redraw(const Rect& area) = 0;
    // A candidate was clicked: raise its event through the one dispatch point.
    virtual void click(const Event<>& click) = 0;
    virtual void announce(Part part, Announcement what) = 0;
    // The focused candidate went and nothing after it on the board takes the
    // focus: it goes on to the window's next control.
    virtual void passFocusOn() = 0;
    // Whether any candidate takes the focus, so the surface is a tab stop.
    virtual void takesFocusChanged(bool takesFocus) = 0;
};

class DrawnBoard final : private CellView {
public:
    static constexpr int cells = 81;
    enum class Key { Space, Escape, Next, Previous }; // Next: Tab and the arrows right and down

    DrawnBoard(BoardView& view, int dpi);
    ~DrawnBoard();
    DrawnBoard(const DrawnBoard&) = delete;
    DrawnBoard& operator=(const DrawnBoard&) = delete;

    BoxControls& box(std::int16_t index);
    const DrawnCell& cell(std::int16_t ordinal) const;
    DrawnCell& cell(std::int16_t ordinal);
    static RowColumn placeOfCell(std::int16_t ordinal) { return {ordinal / 9, ordinal % 9}; }

    // The surface: the nine boxes and the gaps between them.
    Rect bounds() const { return bounds_; }
    Rect placeOf(Part part) const;
    Rect placeOfBox(std::int16_t box) const { return boxPlaces_.at(static_cast<std::size_t>(box)); }
    // The shown candidate under a point, else the cell's label, else the board.
    Part at(Point point) const;

    // The mouse: a press focuses a candidate, the primary button holds it down
    // while over it, and its release there clicks; false where nothing takes it.
    bool press(Point at, bool primary);
    void drag(Point at);
    void release(Point at);
    void cancelPress();
    // Space presses the focused candidate and its release clicks; Escape lets go
    // of a held one; Next and Previous move the focus on, false at the board's end.
    bool keyDown(Key key, bool autoRepeat);
    bool keyUp(Key key, bool autoRepeat);
    bool wants(Key key) const;
    void focusIn(DrawnCell::Entry entry);
    void focusOut(bool keepHeld = false);
    // Where the focus will land when it comes, without giving it.
    void aimFocus(DrawnCell::Entry entry);
    bool hasFocus() const { return focused_; }
    Part focus() const;
    bool takesFocus() const { return takesFocus_; }
    // Assistive technology's press: the candidate takes the focus and clicks.
    bool activate(Part part);

private:
    class Box;

    DrawnCell& cellAtStop(int stop) const;
    static int stopOf(std::int16_t ordinal);
    // The first stop from `from` on (or back) whose cell takes the focus; -1 if none.
    int firstStop(int from, bool forward) const;
    bool tab(bool forward);
    void moveTo(int stop, DrawnCell::Entry entry);
    void clickIf(const DrawnCell& cell, DrawnCell::Reply reply);
    void cellChanged(RowColumn place, std::int16_t part, Change change) override;
    void passFocusOn(RowColumn place) override;

    BoardView& view_;
    Rect bounds_;
    std::array<Rect, 9> boxPlaces_{};
    std::array<Rect, cells> cellPlaces_{};
    std::array<Rect, DrawnCell::size> candidatePlaces_{}; // within a cell
    std::array<std::unique_ptr<DrawnCell>, cells> cells_;
    std::array<std::unique_ptr<Box>, 9> boxes_;
    int focusAt_ = 0; // the stop whose cell has the focus, or will
    bool focused_ = false;
    bool takesFocus_ = true;
    std::int16_t mouseCell_ = Part::none; // the cell a mouse press holds
};

} // namespace ui::desktop
