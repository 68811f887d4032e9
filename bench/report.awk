# Prints the benchmarks' figures against their budgets, one line each, and exits
# non-zero when a figure is over its budget. Reads Google Benchmark's JSON output
# (run with repetitions, so that it holds a median for every benchmark; its
# writer puts one field on a line) and the key=value lines of
# bench/resident_memory.sh. Usage:
#   awk -v date=2026-12-07 -f bench/report.awk core.json qt.json first-*.json memory.txt
#
# A figure is the median over the repetitions (or over the fresh processes, for
# the first window), and is judged by its time on the processor: the benchmarks
# run one thread each, so on an idle machine that is the elapsed time too, while
# the elapsed time on a shared machine also counts the time spent waiting for a
# processor. Both are shown.

function nanoseconds(value, unit)
{
    if (unit == "us") return value * 1e3
    if (unit == "ms") return value * 1e6
    if (unit == "s") return value * 1e9
    return value
}

function field(line)
{
    sub(/^[^:]*: */, "", line)
    sub(/,$/, "", line)
    gsub(/"/, "", line)
    return line
}

# One benchmark's result, kept when it is a median or a single run of one iteration.
function keep()
{
    if (name == "" || error != "")
        return
    if (aggregate == "median" || (aggregate == "" && name ~ /iterations:1$/)) {
        sub(/\/iterations:1$/, "", name)
        per = batch > 0 ? batch : 1
        n = ++runs[name]
        cpu[name, n] = nanoseconds(cpuTime, unit) / per
        wall[name, n] = nanoseconds(realTime, unit) / per
    }
}

/^ *\{ *$/ { name = ""; aggregate = ""; batch = 0; error = "" }
/^ *"run_name":/ { name = field($0) }
/^ *"aggregate_name":/ { aggregate = field($0) }
/^ *"real_time":/ { realTime = field($0) + 0 }
/^ *"cpu_time":/ { cpuTime = field($0) + 0 }
/^ *"time_unit":/ { unit = field($0) }
/^ *"batch":/ { batch = field($0) + 0 }
/^ *"error_occurred": true/ { error = "yes" }
/^ *\}/ { keep(); name = "" }
/^rss_kib=/ { rss = substr($0, 9) + 0 }
/^hwm_kib=/ { hwm = substr($0, 9) + 0 }

# The median of the figures kept for one benchmark (of several fresh processes).
function median(table, name,    n, i, j, v, sorted)
{
    n = runs[name]
    for (i = 1; i <= n; ++i) {
        v = table[name, i]
        for (j = i - 1; j >= 1 && sorted[j] > v; --j)
            sorted[j + 1] = sorted[j]
        sorted[j + 1] = v
    }
    return n % 2 ? sorted[(n + 1) / 2] : (sorted[n / 2] + sorted[n / 2 + 1]) / 2
}

function shown(ns, scale, unit)
{
    return sprintf("%.3g %s", ns / scale, unit)
}

function budgetShown(ns, scale, unit)
{
    return sprintf("%g %s", ns / scale, unit)
}

function row(what, name, budget, scale, unit,    c, w, verdict)
{
    if (!(name in runs)) {
        printf "%-48s %12s %12s %10s  %s\n", what, "-", "-", budgetShown(budget, scale, unit), "MISSING"
        ++missed
        return
    }
    c = median(cpu, name)
    w = median(wall, name)
    verdict = c <= budget ? "ok" : "OVER"
    if (verdict != "ok")
        ++missed
    printf "%-48s %12s %12s %10s  %s\n", what, shown(c, scale, unit), shown(w, scale, unit),
           budgetShown(budget, scale, unit), verdict
}

END {
    printf "Orvane benchmarks, %s, optimised build (medians; judged by cpu)\n", date
    printf "%-48s %12s %12s %10s\n", "", "cpu", "wall", "budget"
    row("pick and take-back, whole core, null surface", "BM_PickAndTakeBack", 3e3, 1e3, "us")
    row("\"Fix\" on a board of 30 picks", "BM_Fix", 20e3, 1e3, "us")
    row("\"Un-Fix\" on a board of 30 picks", "BM_UnFix", 20e3, 1e3, "us")
    row("\"Reset\" on a board of 30 picks", "BM_Reset", 20e3, 1e3, "us")
    row("click on a candidate until repainted (Qt)", "BM_QtClick", 2e6, 1e3, "us")
    row("window built and shown to its first frame (Qt)", "BM_QtShowWindow", 25e6, 1e6, "ms")
    row("  the same, as the process's first window", "BM_QtFirstWindow", 25e6, 1e6, "ms")

    budget = 32 * 1024
    if (rss == 0) {
        printf "%-48s %25s %10s  %s\n", "resident memory, board shown", "-", "32 MiB", "MISSING"
        ++missed
    } else {
        verdict = rss <= budget ? "ok" : "OVER"
        if (verdict != "ok")
            ++missed
        printf "%-48s %25s %10s  %s\n", "resident memory, board shown (its peak)",
               sprintf("%.1f MiB (%.1f MiB)", rss / 1024, hwm / 1024), "32 MiB", verdict
    }
    exit missed > 0
}
