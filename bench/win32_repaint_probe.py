#!/usr/bin/python3
"""How the board repaints after a click, as the player sees it, in both programs.

Runs on the current X display (a virtual one: nothing else may cover the window).
Orvane.exe under Wine and the Qt program take turns, a fresh start each round; in
each round a pick and its take-back on the empty board are clicked, then 40 picks
are made and "Fix", "Un-Fix" and "Reset" clicked. bench/frame_watch clicks
through XTEST and reads the window's pixels until they stay still: the time from
the release of the button to the last change, and how many changes it saw.

Prints the medians of both programs side by side, with the goal for Orvane.exe:
its time within twice the Qt program's in the same run, and no more changes
than the Qt program's plus one. Exits 1 when a goal is missed. Each round's
figures go to stderr.

    win32_repaint_probe.py FRAME_WATCH QT_PROGRAM ORVANE_EXE [ROUNDS]

Orvane.exe runs under Wine as the environment sets it, in a prefix made beforehand
(bench/win32_repaint.sh does both).

Runs on Debian's own Python, which holds python3-xlib.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display

INNER_WIDTH, INNER_HEIGHT = 650, 582  # the board window's inner area, in pixels at 96 dpi

# A solved board, digit(row, column); any 40 of its cells are 40 picks that bar none of each other.
def solved(row, column):
    return (row * 3 + row // 3 + column) % 9 + 1

FORTY = [(r, c) for r in range(9) for c in range(9) if (r * 9 + c) % 2 == 0][:40]

def candidate_at(row, column, digit):
    """The middle of a candidate button, in the window's inner area (pixels of the designs)."""
    box, cell, index = row // 3 * 3 + column // 3, row % 3 * 3 + column % 3, digit - 1
    x = 196 * (box % 3) + 64 * (cell % 3) + 20 * (index % 3) + 10
    y = 196 * (box // 3) + 64 * (cell // 3) + 20 * (index // 3) + 10
    return x, y

COMMANDS = {"Reset": (618, 16), "Fix": (618, 48), "Un-Fix": (618, 80)}
BACKGROUND = (618, 300)  # below the command buttons
ACTIONS = ["pick", "take-back", "Fix", "Un-Fix", "Reset"]
LABELS = {
    "pick": "pick on the empty board",
    "take-back": "its take-back",
    "Fix": '"Fix" on a board of 40 picks',
    "Un-Fix": '"Un-Fix" on a board of 40 picks',
    "Reset": '"Reset" on a board of 40 picks',
}
QUIET_MS, TIMEOUT_MS = 1000, 6000  # a measured click: still for a second ends the watch
SETTLE_MS = 120  # a click that only builds the board


def find_board(screen_root, deadline):
    """The mapped top-level X window titled "Form2": its left, top, width and height."""
    while time.monotonic() < deadline:
        for window in screen_root.query_tree().children:
            try:
                if window.get_wm_name() != "Form2" or window.get_attributes().map_state != X.IsViewable:
                    continue
                geometry = window.get_geometry()
                at = window.translate_coords(screen_root, 0, 0)
                return -at.x, -at.y, geometry.width, geometry.height
            except Exception:  # a window that went away while we looked
                continue
        time.sleep(0.1)
    return None


class Program:
    def __init__(self, name, command, env):
        self.name, self.command, self.env = name, command, env

    def round(self, frame_watch, screen_root):
        process = subprocess.Popen(self.command, env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        watcher = None
        try:
            found = find_board(screen_root, time.monotonic() + 60)
            if not found:
                raise RuntimeError(f"{self.name} opened no window \"Form2\"")
            left, top, width, height = found
            # Wine draws the frame itself, evenly round the sides and under the caption;
            # the Qt window on a display without a window manager is its inner area.
            frame = (width - INNER_WIDTH) // 2
            inner_left, inner_top = left + frame, top + height - INNER_HEIGHT - frame
            time.sleep(1.0)
            watcher = subprocess.Popen(
                [frame_watch, str(inner_left), str(inner_top), str(INNER_WIDTH), str(INNER_HEIGHT)],
                stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)

            def click(point, quiet=QUIET_MS):
                watcher.stdin.write(f"click {inner_left + point[0]} {inner_top + point[1]} {quiet} {TIMEOUT_MS}\n")
                watcher.stdin.flush()
                answer = dict(part.split("=") for part in watcher.stdout.readline().split())
                return float(answer["final_ms"]), int(answer["changes"])

            # A player's window is already the active one: a click on the window's
            # background makes it so before anything is timed.
            click(BACKGROUND, SETTLE_MS)
            seen = {}
            middle = candidate_at(4, 4, 5)
            seen["pick"] = click(middle)
            seen["take-back"] = click(middle)
            for row, column in FORTY:
                click(candidate_at(row, column, solved(row, column)), SETTLE_MS)
            for command in ("Fix", "Un-Fix", "Reset"):
                seen[command] = click(COMMANDS[command])
            return seen
        finally:
            if watcher:
                watcher.stdin.close()
                watcher.wait()
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()


def main():
    if len(sys.argv) not in (4, 5):
        sys.exit(__doc__)
    frame_watch, qt_program, orvane_exe = sys.argv[1:4]
    rounds = int(sys.argv[4]) if len(sys.argv) == 5 else 5

    runtime = tempfile.mkdtemp()  # the Qt program's runtime folder, as a session gives it
    qt = Program("Qt", [qt_program], dict(os.environ, XDG_RUNTIME_DIR=runtime))
    wine = Program("Orvane.exe", ["wine", orvane_exe], dict(os.environ))

    screen_root = display.Display().screen().root
    results = {program.name: {action: [] for action in ACTIONS} for program in (wine, qt)}
    for n in range(rounds):
        for program in (wine, qt):
            seen = program.round(frame_watch, screen_root)
            for action in ACTIONS:
                results[program.name][action].append(seen[action])
            print(f"round {n + 1} {program.name}: " +
                  ", ".join(f"{a} {seen[a][0]:.1f} ms / {seen[a][1]}" for a in ACTIONS), file=sys.stderr)
    os.rmdir(runtime)

    print(f"{'repaint after a click, median of ' + str(rounds):42}{'Orvane.exe (Wine)':>20}{'Qt':>16}"
          f"{'goal':>22}")
    missed = False
    for action in ACTIONS:
        figures = {}
        for name in ("Orvane.exe", "Qt"):
            times = [t for t, _ in results[name][action]]
            changes = [c for _, c in results[name][action]]
            figures[name] = (statistics.median(times), statistics.median(changes))
        (wine_ms, wine_changes), (qt_ms, qt_changes) = figures["Orvane.exe"], figures["Qt"]
        ok = wine_ms <= 2 * qt_ms and wine_changes <= qt_changes + 1
        missed |= not ok
        print(f"{LABELS[action]:42}{wine_ms:>9.1f} ms {wine_changes:>3g} ch{qt_ms:>9.1f} ms {qt_changes:>2g} ch"
              f"{'<= ' + format(2 * qt_ms, '.1f') + ' ms, ' + format(qt_changes + 1, 'g') + ' ch':>22}"
              f"  {'ok' if ok else 'MISSED'}")
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
