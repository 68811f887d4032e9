#!/usr/bin/python3
"""Reads the running board through the desktop's accessibility bus (AT-SPI), as a
screen reader does, and plays it through the same bus. The board is a table of
9 x 9 cells, each holding its candidates and its label.

Every candidate button must be a push button named for its place and digit,
"Row R, column C, candidate D", where R, C and D are what its position on the
window says; the command buttons are named by their captions. A pick, pressed
through the bus, must show in the states of all 729 candidates: the picked cell's
other eight hidden, the digit barred (disabled) in the 20 peer cells; "Fix" hides
the picked candidate too and its cell's label reads "Row R, column C, digit D";
"Reset" frees the board. The words are those of the language the program speaks
in this environment, English or German. Runs on Debian's own Python, which holds
python3-pyatspi.
"""
import os
import re
import sys
import time

import pyatspi

# A cell's name, a candidate's and a digit's word, and the commands' captions.
WORDS = {
    "en": ("Row {}, column {}", "candidate", "digit", ("Reset", "Fix", "Un-Fix")),
    "de": ("Reihe {}, Spalte {}", "Kandidat", "Ziffer", ("Leeren", "Fixieren", "Freigeben")),
}

# The tests ask for German through the locale, or LANGUAGE, which gettext reads first.
LOCALE = os.environ.get("LANGUAGE") or os.environ.get("LC_ALL") or os.environ.get("LANG") or "en"
CELL, CANDIDATE, DIGIT, COMMANDS = WORDS.get(LOCALE[:2], WORDS["en"])
RESET, FIX, UN_FIX = COMMANDS
NAME = re.compile(CELL.format("([1-9])", "([1-9])") + f", {CANDIDATE} ([1-9])")


def candidate_name(row, column, digit):
    return CELL.format(row, column) + f", {CANDIDATE} {digit}"
# The window's inner area and pitches, in pixels at the design's 96 dots per inch.
WINDOW_WIDTH, BOX_PITCH, CELL_PITCH, BUTTON = 650, 196, 64, 20
WAIT = 30  # seconds to wait for the program to answer before calling it a failure


def fail(message):
    sys.exit(f"accessibility_check: {message}")


def wait_for(what, condition):
    deadline = time.monotonic() + WAIT
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            fail(f"gave up waiting for {what}")
        time.sleep(0.05)


def application():
    def find():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "orvane":
                return app
        return None
    return wait_for("the application orvane on the accessibility bus", find)


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        yield child
        yield from descendants(child)


def place_on_window(button, window):
    """(row, column, digit) from where the button lies inside the window.

    Worked out from the screen, not from the program's own mapping of boxes and
    cells to rows and columns, so that a name the mapping got wrong shows here."""
    win = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    ext = button.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    scale = win.width / WINDOW_WIDTH
    x = (ext.x - win.x + ext.width / 2) / scale
    y = (ext.y - win.y + ext.height / 2) / scale

    def split(v):
        box, inside_box = divmod(int(v), BOX_PITCH)
        cell, inside_cell = divmod(inside_box, CELL_PITCH)
        return box * 3 + cell, inside_cell // BUTTON
    row, button_row = split(y)
    column, button_column = split(x)
    return row + 1, column + 1, button_row * 3 + button_column + 1


class Board:
    def __init__(self, app):
        windows = [c for c in descendants(app) if c.name == "Form2"]
        if len(windows) != 1:
            fail(f"expected one window Form2, found {len(windows)}")
        self.window = windows[0]
        buttons = [n for n in descendants(self.window) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
        self.commands = {b.name: b for b in buttons if b.name in COMMANDS}
        self.candidates = {}
        for b in buttons:
            if b.name in COMMANDS:
                continue
            match = NAME.fullmatch(b.name)
            if not match:
                fail(f"a push button is named {b.name!r}")
            place = tuple(int(g) for g in match.groups())
            if place in self.candidates:
                fail(f"two push buttons are named {b.name!r}")
            self.candidates[place] = b

    def press(self, button):
        action = button.queryAction()
        names = [action.getName(i).lower() for i in range(action.nActions)]
        if "press" not in names:
            fail(f"{button.name!r} offers no press action, only {names}")
        action.doAction(names.index("press"))


def shown_digits(board):
    """The names of the labels that show a digit, and their roles."""
    return sorted((n.name, n.getRoleName()) for n in descendants(board.window)
                  if n.getRole() not in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TABLE_CELL) and n.name.startswith(CELL.split()[0] + " "))


def check_table(board):
    """The board is a table of 9 x 9 whose cell (r, c) holds that cell's nine candidates."""
    tables = [n for n in descendants(board.window) if n.getRole() == pyatspi.ROLE_TABLE]
    if len(tables) != 1:
        fail(f"expected one table, found {len(tables)}")
    table = tables[0].queryTable()
    if (table.nRows, table.nColumns) != (9, 9):
        fail(f"the table is {table.nRows} x {table.nColumns}, not 9 x 9")
    for row in range(9):
        for column in range(9):
            cell = table.getAccessibleAt(row, column)
            names = [cell.getChildAtIndex(i).name for i in range(cell.childCount)
                     if cell.getChildAtIndex(i).getRole() == pyatspi.ROLE_PUSH_BUTTON]
            if names != [candidate_name(row + 1, column + 1, d) for d in range(1, 10)]:
                fail(f"table cell ({row}, {column}) holds {names}")
    print("the board is a table of 9 x 9 whose every cell holds its nine candidates")


def states(node):
    s = node.getState()
    return {
        "enabled": s.contains(pyatspi.STATE_ENABLED) and s.contains(pyatspi.STATE_SENSITIVE),
        "visible": s.contains(pyatspi.STATE_VISIBLE) and s.contains(pyatspi.STATE_SHOWING),
    }


def peers(a, b):
    (r1, c1), (r2, c2) = a, b
    return (r1, c1) != (r2, c2) and (r1 == r2 or c1 == c2 or ((r1 - 1) // 3, (c1 - 1) // 3) == ((r2 - 1) // 3, (c2 - 1) // 3))


def expected_after_pick(picked, digit, fixed=False):
    """What every candidate shows after one pick of `digit` in the cell `picked`."""
    want = {}
    for row in range(1, 10):
        for column in range(1, 10):
            for d in range(1, 10):
                cell = (row, column)
                if cell == picked:
                    want[(row, column, d)] = {"enabled": True, "visible": d == digit and not fixed}
                else:
                    want[(row, column, d)] = {"enabled": not (d == digit and peers(cell, picked)), "visible": True}
    return want


def free_board():
    return {(r, c, d): {"enabled": True, "visible": True}
            for r in range(1, 10) for c in range(1, 10) for d in range(1, 10)}


def differences(board, want):
    return [(place, states(board.candidates[place]), state)
            for place, state in want.items() if states(board.candidates[place]) != state]


def expect_board(board, want, what):
    """Waits until the board shows `want` (the program acts on a press after the
    event loop turns), then holds every candidate to it."""
    wait_for(what, lambda: not differences(board, want))
    print(f"after {what}: all 729 candidates show their expected states")


def main():
    board = Board(application())
    if sorted(board.commands) != sorted(COMMANDS):
        fail(f"command buttons named {sorted(board.commands)}, not {sorted(COMMANDS)}")
    if len(board.candidates) != 729:
        fail(f"{len(board.candidates)} candidate buttons are named, not 729")
    misplaced = [(b.name, place_on_window(b, board.window)) for place, b in board.candidates.items()
                 if place_on_window(b, board.window) != place]
    if misplaced:
        fail(f"{len(misplaced)} names say another place than the button's, e.g. {misplaced[:3]}")
    print("729 candidate push buttons are named for the place they lie at; commands:", ", ".join(COMMANDS))
    check_table(board)
    expect_board(board, free_board(), "opening")
    if shown_digits(board):
        fail(f"labels show digits on a new board: {shown_digits(board)}")

    board.press(board.candidates[(4, 7, 5)])
    expect_board(board, expected_after_pick((4, 7), 5), f'pressing "{candidate_name(4, 7, 5)}"')
    board.press(board.commands[FIX])
    expect_board(board, expected_after_pick((4, 7), 5, fixed=True), f'pressing "{FIX}"')
    digit_name = CELL.format(4, 7) + f", {DIGIT} 5"
    if shown_digits(board) != [(digit_name, "label")]:
        fail(f"after {FIX} the labels read {shown_digits(board)}")
    print(f"the frozen cell's label reads \"{digit_name}\"")
    board.press(board.commands[RESET])
    expect_board(board, free_board(), f'pressing "{RESET}"')
    if shown_digits(board):
        fail(f"labels still show digits after Reset: {shown_digits(board)}")


if __name__ == "__main__":
    main()
