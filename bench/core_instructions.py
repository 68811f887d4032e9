"""The board's logic judged by instructions, counted by callgrind: exact, and the
same on any machine of the same build, where a time is not. Each function of
bench/pick_instructions.cpp is counted alone.

Usage: core_instructions.py PICK_INSTRUCTIONS_PROGRAM
"""
import re
import subprocess
import sys

import figures

# (what, function, operations it does, budget per operation in instructions):
# about one and a half times what each took when its budget was set.
COUNTED = (
    ("pick and take-back, whole core, null surface", "pickAndTakeBackEverywhere", 81, 19_000),
    ('"Fix" on a board of 30 picks', "fixThirty", 1, 5_500),
    ('"Un-Fix" on a board of 30 picks', "unFixThirty", 1, 5_000),
    ('"Reset" on a board of 30 picks', "resetThirty", 1, 25_000),
    ('"Reset" of a finished game (81 frozen picks)', "coreResetOfFinishedGame", 1, 25_000),
    ("  the same through the history, which records it", "historyResetOfFinishedGame", 1, 48_000),
    ("  its undo: 81 picks clicked again, 81 cells frozen", "undoResetOfFinishedGame", 1, 730_000),
)


def count(program, function):
    done = subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null",
                           f"--toggle-collect={function}*", program],
                          capture_output=True, text=True, check=False)
    found = re.search(r"Collected : (\d+)", done.stderr)
    return int(found.group(1)) if done.returncode == 0 and found else None


def main():
    judge = figures.Judge()
    for what, function, operations, budget in COUNTED:
        total = count(sys.argv[1], function)
        if total is None:
            judge.missing(what, f"{budget:,} instr")
            continue
        each = total / operations
        judge.figure(what, f"{each:,.0f} instr", f"{budget:,} instr", each <= budget)
    judge.exit()


if __name__ == "__main__":
    main()
