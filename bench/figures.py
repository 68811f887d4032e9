"""The line every benchmark script prints for a figure against its budget.

scripts/bench prints the header once and then each script's lines, so every
script keeps to these columns: what was measured, the figure, the budget, and
"ok" or "OVER" (or "MISSING" when the figure could not be measured). A script
exits non-zero when any of its figures is over or missing.
"""
import sys


def line(what, figure, budget, verdict):
    print(f"{what:<52} {figure:>30} {budget:>15}  {verdict}", flush=True)


def note(text):
    """A line of information that is not judged."""
    print(f"  {text}", flush=True)


class Judge:
    """Prints figures and remembers whether any missed its budget."""

    def __init__(self):
        self.missed = 0

    def figure(self, what, figure, budget, within):
        if not within:
            self.missed += 1
        line(what, figure, budget, "ok" if within else "OVER")

    def missing(self, what, budget):
        self.missed += 1
        line(what, "-", budget, "MISSING")

    def exit(self):
        sys.exit(1 if self.missed else 0)


def header(date):
    print(f"Orvane benchmarks, {date}, optimised build; times are judged as ratios to a floor")
    print("measured in the same run, the core by its instruction count")
    line("", "figure", "budget", "")
