#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "app/History.h"
#include "app/PuzzleProblem.h"
#include "ui/BoardPlace.h"
#include "ui/Controls.h"
#include "ui/KeyMoves.h"
#include "ui/Keys.h"
#include "ui/desktop/BoardMenu.h"
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
// player's actions and announces what the board tells it to assistive
// technology. The core writes to the cells through box(b), the board window's
// usrcntGrid(b). Every action of the player, by the board's input or by the
// window's commands and keys, reaches the history through the board, so that
// the focus is announced once where it has landed, never halfway.
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
    // The board's history, which every action of the player goes through; null
    // before the board is made.
    virtual History* history() const = 0;
    // Runs an action by the front-end's one dispatch point, which catches, and
    // shows what it did.
    virtual History::Step dispatch(const std::function<History::Step()>& action) = 0;
    // A candidate was clicked: through the history, as every action.
    virtual void click(Part candidate);
    virtual void announce(Part part, Announcement what) = 0;
    // Whether any candidate takes the focus, so the surface is a tab stop.
    virtual void takesFocusChanged(bool takesFocus) = 0;
    // The platform's clipboard, which the player fills and empties by hand: its
    // text, UTF-8, no more than `atMost` bytes of it; else why not: it holds no
    // text, or another program held it for longer than a player would wait.
    virtual std::variant<std::string, PuzzleProblem> clipboardText(std::size_t atMost) const = 0;
    // False where another program held the clipboard for as long.
    virtual bool putOnClipboard(const std::string& text) = 0;
    // Whether it holds text, asked without taking the clipboard from anyone.
    virtual bool clipboardHoldsText() const = 0;
    // Tells the player what went wrong, in the platform's own message box.
    virtual void warn(const std::string& message) = 0;
    // Gives the board the keyboard focus, from wherever in the window it is.
    virtual void takeFocus() = 0;
};

class DrawnBoard final : private CellView, private ShownBoard {
public:
    static constexpr int cells = 81;
    using Key = ui::Key;
    // How the focus comes to the board: by Tab, by Shift+Tab, or otherwise (a
    // press, the window active again).
    enum class Entry { Front, Back, Other };

    DrawnBoard(BoardView& view, int dpi);
    ~DrawnBoard();
    DrawnBoard(const DrawnBoard&) = delete;
    DrawnBoard& operator=(const DrawnBoard&) = delete;

    BoxControls& box(std::int16_t index);
    const DrawnCell& cell(std::int16_t ordinal) const;
    DrawnCell& cell(std::int16_t ordinal);

    // The surface: the nine boxes and the gaps between them.
    Rect bounds() const { return layout_.bounds(); }
    Rect placeOf(Part part) const;
    Rect placeOfBox(std::int16_t box) const { return layout_.box(box); }
    // The shown candidate under a point, else the cell's label, else the board.
    Part at(Point point) const;

    // The mouse: a press focuses a candidate, the primary button holds it down
    // while over it, and its release there clicks; false where nothing takes it.
    bool press(Point at, bool primary);
    void drag(Point at);
    void release(Point at);
    void cancelPress();
    // Space presses the focused candidate and its release clicks; Escape lets go
    // of a held one; the other keys move the focus or click as KeyMoves.h says.
    // False where the key is not the board's: Tab past its end goes on to the
    // window's next control. A held key moves the focus, but clicks only once.
    bool keyDown(Key key, bool autoRepeat);
    bool keyUp(Key key, bool autoRepeat);
    bool wants(Key key) const;
    void focusIn(Entry entry);
    void focusOut(bool keepHeld = false);
    // Where the focus will land when it comes, without giving it.
    void aimFocus(Entry entry);
    bool hasFocus() const { return focused_; }
    // A candidate, or a cell that has none free: through its label while it shows a digit.
    Part focus() const;
    bool takesFocus() const { return takesFocus_; }
    // Undo or redo, and the window's commands: each through the history. After
    // an undo or redo, with the keyboard focus on the board, the focus lands as
    // KeyMoves.h says.
    void undo(bool redo);
    void command(void (History::*command)());
    // A puzzle pasted as text, as one action; the board then has the focus, on
    // its first free candidate. A text that holds no puzzle the board can take
    // changes nothing, and the problem says why.
    std::optional<PuzzleProblem> pasteText(std::string_view text);
    // The board's picks as text.
    std::string copyText() const;
    // The same from and to the clipboard; the player is told of a problem.
    void paste();
    void copy();
    // The context menu's entries: whether one has something to do, and doing it.
    bool offers(MenuItem item) const;
    void choose(MenuItem item);
    // Assistive technology's press: the candidate takes the focus and clicks;
    // false for anything but a candidate that takes the focus.
    bool activate(Part part);

private:
    // Announces the focus where it has landed once an input or action is over.
    struct Settled {
        DrawnBoard& board;
        ~Settled() { board.announceFocus(); }
    };

    BoardFocus focusHere() const { return {focusCell_, cell(focusCell_).focusedCandidate()}; }
    void moveTo(BoardFocus to);
    // An action of the player, through the history by the front-end's dispatch point.
    History::Step play(const std::function<History::Step(History&)>& action);
    void announceFocus();
    void clickIf(std::int16_t ordinal, DrawnCell::Reply reply);
    void cellChanged(RowColumn place, std::int16_t part, Change change) override;
    void focusMustMove(RowColumn place) override;
    bool shown(std::int16_t cell, std::int16_t candidate) const override;
    bool barred(std::int16_t cell, std::int16_t candidate) const override;
    std::int16_t pick(std::int16_t cell) const override;
    bool anyCandidateTakesFocus() const;

    BoardView& view_;
    BoardLayout layout_;
    std::array<std::unique_ptr<DrawnCell>, cells> cells_;
    std::array<std::unique_ptr<BoxControls>, 9> boxes_;
    std::int16_t focusCell_ = 0; // the cell that has the focus, or will
    bool focused_ = false;
    Part announced_; // the focus screen readers last heard of
    bool takesFocus_ = true;
    std::int16_t mouseCell_ = Part::none; // the cell a mouse press holds
};

} // namespace ui::desktop
