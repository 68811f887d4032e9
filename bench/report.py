"""The Qt window's figures from Google Benchmark's JSON output, each judged by
its ratio to a floor measured in the same run: a click against the same number
of plain widgets repainted, building and showing the board against an empty
window's first frame. Times are the median over the repetitions (or over the
fresh processes, for a process's first window) of the time on the processor;
the core's times are shown for information, as its budgets are instruction counts.

Usage: report.py RESULTS_FOLDER
  reading core.json, qt.json, first-*.json and empty-first-*.json in it
"""
import glob
import json
import os
import statistics
import sys

import figures

UNITS = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}

# (what, benchmark, its floor, budget as a ratio): about one and a half times the
# highest ratio each showed on a busy two-core machine when its budget was set.
RATIOS = (
    ("click on a candidate until repainted", "BM_QtClick", "BM_PlainRepaint", 5),
    ("window built and shown to its first frame", "BM_QtShowWindow", "BM_EmptyShowWindow", 300),
    ("  the same, as the process's first window", "BM_QtFirstWindow", "BM_EmptyFirstWindow", 30),
)
CORE = (("pick and take-back", "BM_PickAndTakeBack"), ('"Fix"', "BM_Fix"), ('"Un-Fix"', "BM_UnFix"),
        ('"Reset"', "BM_Reset"), ('"Reset" of a finished game', "BM_ResetFinishedGame"),
        ("its undo", "BM_UndoResetFinishedGame"))
# Undoing a "Reset" of a finished game against the "Reset" itself, each from its
# press until painted (wall time, as each is timed alone within its round).
UNDO = (('undo of "Reset" of a finished game, until painted', "BM_QtUndoResetFinishedGame", "BM_QtResetFinishedGame", 2),
        ("paste of 30 givens onto a finished game, until painted", "BM_QtPasteOnFinishedGame",
         "BM_QtResetFinishedGame", 2))
# The undo history's memory, once it holds 10,000 actions.
HISTORY = ("undo history of 10,000 actions, half of them \"Reset\"", "BM_HistoryOf10000", 1 << 20)


def read(paths):
    """Every run kept per benchmark: its cpu and real time in nanoseconds, and counters."""
    kept = {}
    for path in paths:
        try:
            with open(path, encoding="utf-8") as f:
                benchmarks = json.load(f)["benchmarks"]
        except (OSError, ValueError, KeyError):
            continue
        for run in benchmarks:
            if run.get("error_occurred"):
                continue
            name = run["run_name"].removesuffix("/iterations:1")
            single = run.get("aggregate_name") is None and run["run_name"].endswith("/iterations:1")
            if run.get("aggregate_name") != "median" and not single:
                continue
            scale = UNITS[run["time_unit"]] / run.get("batch", 1)
            kept.setdefault(name, []).append({"cpu": run["cpu_time"] * scale, "wall": run["real_time"] * scale,
                                              **{k: v for k, v in run.items() if k in ("paints", "widgets", "bytes")}})
    return kept


def median(runs, key):
    return statistics.median(run[key] for run in runs)


def shown(ns):
    for unit in ("s", "ms", "us"):
        if ns >= UNITS[unit]:
            return f"{ns / UNITS[unit]:.3g} {unit}"
    return f"{ns:.3g} ns"


def main():
    folder = sys.argv[1]
    runs = read([os.path.join(folder, "core.json"), os.path.join(folder, "qt.json")]
                + glob.glob(os.path.join(folder, "first-*.json")) + glob.glob(os.path.join(folder, "empty-first-*.json")))
    judge = figures.Judge()
    for what, name, floor, budget in RATIOS:
        if name not in runs or floor not in runs:
            judge.missing(what, f"{budget}x")
            continue
        board, plain = median(runs[name], "cpu"), median(runs[floor], "cpu")
        ratio = board / plain
        judge.figure(what, f"{ratio:.2f}x ({shown(board)} / {shown(plain)})", f"{budget}x", ratio <= budget)
        extra = [f"{key} {runs[n][0][key]:.1f}" for n in (name, floor) for key in ("paints", "widgets") if key in runs[n][0]]
        figures.note(f"cpu; wall {shown(median(runs[name], 'wall'))} / {shown(median(runs[floor], 'wall'))}"
                     + (f"; {', '.join(extra)}" if extra else ""))
    for what, name, floor, budget in UNDO:
        if name not in runs or floor not in runs:
            judge.missing(what, f"{budget}x")
            continue
        timed, reset = median(runs[name], "wall"), median(runs[floor], "wall")
        judge.figure(what, f"{timed / reset:.2f}x ({shown(timed)} / {shown(reset)})", f"{budget}x", timed <= budget * reset)
        figures.note(f"wall; paints {runs[name][0]['paints']:.1f} / {runs[floor][0]['paints']:.1f}")
    core = [f"{what} {shown(median(runs[name], 'cpu'))}" for what, name in CORE if name in runs]
    figures.note("the core's times, cpu: " + ", ".join(core))
    what, name, budget = HISTORY
    if name in runs:
        held = max(run["bytes"] for run in runs[name])
        judge.figure(what, f"{held / 1024:,.0f} KiB", f"{budget // 1024:,} KiB", held <= budget)
    else:
        judge.missing(what, f"{budget // 1024:,} KiB")
    judge.exit()


if __name__ == "__main__":
    main()
