"""The whole start, as a person waits for it: from exec until the board's window
is mapped, against an empty Qt window of the same size started the same way.

Runs on the X display in DISPLAY, which should hold nothing else, with a
runtime folder and a session bus of their own, as a desktop session gives every
program. Without the bus, Qt's bridge to assistive technology (which a window
with child widgets meets before it is mapped, and an empty one only after) would
first wait for libdbus trying to start one, something no desktop start does. The two
programs take turns (ABBA within each round), so that whatever else the machine
is doing weighs on both alike; each round gives a ratio of medians, and the
figure is the median of the rounds' ratios. Also the processor time all their
threads have used by the moment of mapping, and their resident memory once the
window has painted.

Usage: start.py --probe PROBE [--rounds 5] [--runs 8] [--out FILE] PROGRAM FLOOR
"""
import argparse
import json
import os
import signal
import statistics
import subprocess
import tempfile

import figures

WALL_BUDGET = 1.15
CPU_BUDGET = 1.6
MEMORY_RATIO_BUDGET = 1.3
MEMORY_BUDGET_MIB = 32


def probe(probe_path, program, settle_ms=None):
    command = [probe_path]
    if settle_ms is not None:
        command += ["--settle", str(settle_ms)]
    try:
        done = subprocess.run(command + [program], capture_output=True, text=True, check=False, timeout=120)
    except subprocess.TimeoutExpired:
        raise SystemExit(f"start.py: no window of {program} was mapped within 120 s")
    if done.returncode != 0:
        raise SystemExit(f"start.py: {done.stderr.strip()}")
    return json.loads(done.stdout)


def start_session_bus():
    """A private session bus for both programs; returns the daemon's process id."""
    done = subprocess.run(["dbus-daemon", "--session", "--fork", "--print-address=1", "--print-pid=1"],
                          capture_output=True, text=True, check=True)
    address, pid = done.stdout.split()
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
    return int(pid)


def load():
    with open("/proc/loadavg", encoding="ascii") as f:
        return f.read().split()[0]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--probe", required=True)
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--runs", type=int, default=8)
    parser.add_argument("--out")
    parser.add_argument("program")
    parser.add_argument("floor")
    args = parser.parse_args()
    # The programs' own runtime folder and session bus, as a desktop session gives them.
    runtime = tempfile.mkdtemp(prefix="orvane-start-")
    os.chmod(runtime, 0o700)
    os.environ["XDG_RUNTIME_DIR"] = runtime
    bus = start_session_bus()
    try:
        measure(args)
    finally:
        os.kill(bus, signal.SIGTERM)


def measure(args):
    programs = {"program": args.program, "floor": args.floor}
    load_before = load()
    for path in programs.values():  # into the page cache, not counted
        probe(args.probe, path)

    rounds = []
    for _ in range(args.rounds):
        runs = {name: [] for name in programs}
        for n in range(args.runs):
            order = list(programs) if n % 2 == 0 else list(reversed(programs))
            for name in order:
                runs[name].append(probe(args.probe, programs[name]))
        rounds.append(runs)
    memory = {name: [probe(args.probe, path, settle_ms=1000) for _ in range(3)]
              for name, path in programs.items()}
    load_after = load()

    def medians(key):
        return [{name: statistics.median(r[key] for r in runs[name]) for name in programs} for runs in rounds]

    judge = figures.Judge()
    for key, what, budget in (("mapped_ns", "start: exec until the window is mapped", WALL_BUDGET),
                              ("cpu_ns", "start: processor time until mapped", CPU_BUDGET)):
        per_round = medians(key)
        ratios = [m["program"] / m["floor"] for m in per_round]
        ratio = statistics.median(ratios)
        program_ms = statistics.median(m["program"] for m in per_round) / 1e6
        floor_ms = statistics.median(m["floor"] for m in per_round) / 1e6
        judge.figure(what, f"{ratio:.2f}x ({program_ms:.0f} / {floor_ms:.0f} ms)", f"{budget}x", ratio <= budget)
        figures.note("ratio in each round: " + ", ".join(f"{r:.2f}" for r in ratios))

    rss = {name: statistics.median(m["rss_kib"] for m in memory[name]) / 1024 for name in programs}
    hwm = {name: statistics.median(m["hwm_kib"] for m in memory[name]) / 1024 for name in programs}
    ratio = rss["program"] / rss["floor"]
    judge.figure("resident memory, board shown (its peak)",
                 f"{rss['program']:.1f} MiB ({hwm['program']:.1f}), {ratio:.2f}x",
                 f"{MEMORY_BUDGET_MIB} MiB, {MEMORY_RATIO_BUDGET}x",
                 rss["program"] <= MEMORY_BUDGET_MIB and ratio <= MEMORY_RATIO_BUDGET)
    figures.note(f"the empty window: {rss['floor']:.1f} MiB ({hwm['floor']:.1f}); "
                 f"{args.rounds} rounds of {args.runs} runs each; load average {load_before} before, {load_after} after")

    if args.out:
        with open(args.out, "w", encoding="utf-8") as f:
            json.dump({"rounds": rounds, "memory": memory, "load": [load_before, load_after]}, f, indent=1)
    judge.exit()


if __name__ == "__main__":
    main()
