#!/usr/bin/env python3
"""Builds the one table of scripts/bench: rows of figure, value and unit.

  results_table.py rows JSON_FILE [SUFFIX]
                                     Google Benchmark JSON output -> rows (median of
                                     repetitions); SUFFIX is added to each figure's name
  results_table.py ratios ROWS_FILE  rows derived from rows measured before
  results_table.py table ROWS_FILE   the rows as an aligned table

A rows file holds "figure<TAB>value<TAB>unit" lines.
"""
import json
import statistics
import sys

# Benchmark name -> figure name (with {size} for its argument) and the figures it gives.
FIGURES = {
    "BM_FindText": ("FindText in a 1 MB reply", ["throughput"]),
    "BM_SplitText": ("SplitText of a 1 MB reply at },{", ["throughput"]),
    "BM_RemoveAllSpaces": ("RemoveAllSpaces of a number list", ["throughput"]),
    "BM_ParseTrackingReply": ("ParseTrackingReply, {size} reply", ["time_ms", "throughput"]),
    "BM_ImportedNumberText": ("Import text of {size} lines", ["time_ms"]),
    "BM_ColumnNumbers": ("Numbers from the column of an 8-column CSV export of {size} rows",
                         ["time_ms"]),
    "BM_ExportedRowBytes": ("Export bytes of {size} rows", ["time_ms"]),
}

TO_SECONDS = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}

# Ratios: figure name, numerator figure, denominator figure or a time in seconds.
RATIOS = [
    ("ParseTrackingReply growth from 100 KB to 1 MB", "ParseTrackingReply, 1 MB reply: time",
     "ParseTrackingReply, 100 KB reply: time"),
    ("curl | iconv per query / QueryTracking per query, medians",
     "curl | iconv per query, service answering at once: median",
     "QueryTracking per query, service answering at once: median"),
    ("QueryTracking per query / raw-socket GET per query, medians",
     "QueryTracking per query, service answering at once: median",
     "Raw-socket GET per query, service answering at once: median"),
    ("Batch of 1000, service answering after 20 ms / 20 s",
     "Batch of 1000, service answering after 20 ms: click to final message", 20.0),
    ("Batch of 1000, service answering after 20 ms / (1000 raw-socket GETs)",
     "Batch of 1000, service answering after 20 ms: click to final message",
     ("Raw-socket GET per query, service answering after 20 ms: median", 1000)),
]
# parcelio-batch next to its floors, each measured against the same service process.
for _label in ("service answering at once", "service answering after 20 ms"):
    for _jobs, _how in ((1, "one after the other"), (8, "8 at a time")):
        RATIOS.append((
            f"parcelio-batch --jobs {_jobs} / raw-socket floor, {_label}",
            f"parcelio-batch, 1000 numbers, {_label}, --jobs {_jobs}: start to end",
            f"Raw-socket floor, 1000 GETs {_how}, {_label}"))
RATIOS.append((
    "parcelio-batch --jobs 8 / (1000 x 20 ms / 8), service answering after 20 ms",
    "parcelio-batch, 1000 numbers, service answering after 20 ms, --jobs 8: start to end", 2.5))
# Numbers from the column of an order export next to the same numbers as a plain list.
for _figure, _name in (("start to end", "time"), ("peak resident memory", "peak memory")):
    RATIOS.append((
        f"parcelio-batch --jobs 8, 10000 numbers from a CSV export / from a plain list: {_name}",
        "parcelio-batch, 10000 numbers from the column of an 8-column CSV export, service "
        f"answering at once, --jobs 8: {_figure}",
        "parcelio-batch, 10000 numbers from a plain list, service answering at once, --jobs 8: "
        f"{_figure}"))


def size_text(name, value):
    if name == "BM_ParseTrackingReply":
        return f"{value // 1024} KB" if value < 1 << 20 else f"{value >> 20} MB"
    return f"{value:,}"


def table_order(entry_name):
    """Benchmarks in the order of FIGURES, each by its argument, smallest first."""
    parts = entry_name.split("/")
    names = list(FIGURES)
    place = names.index(parts[0]) if parts[0] in names else len(names)
    size = int(parts[1]) if len(parts) > 1 and parts[1].isdigit() else 0
    return place, size


def figure_rows(entry_name, runs, suffix):
    parts = entry_name.split("/")
    base = parts[0]
    label, kinds = FIGURES.get(base, (base, ["time_ms"]))
    if len(parts) > 1 and parts[1].isdigit():
        label = label.format(size=size_text(base, int(parts[1])))
    label += suffix
    seconds = statistics.median(r["real_time"] * TO_SECONDS[r["time_unit"]] for r in runs)
    rows = []
    for kind in kinds:
        if kind == "time_ms":
            rows.append((f"{label}: time", f"{seconds * 1e3:.3f}", "ms"))
        elif kind == "throughput":
            # The library's rate is per CPU second; the table's figures are per real second.
            rate = statistics.median(
                r["bytes_per_second"] * r["cpu_time"] / r["real_time"] for r in runs)
            rows.append((f"{label}: throughput", f"{rate / 1e6:.0f}", "MB/s"))
    return rows


def benchmark_rows(path, suffix):
    with open(path, encoding="utf-8") as file:
        report = json.load(file)
    runs_by_name = {}
    for run in report["benchmarks"]:
        if run.get("run_type") == "iteration" and "error_occurred" not in run:
            runs_by_name.setdefault(run["run_name"], []).append(run)
    rows = []
    for name in sorted(runs_by_name, key=table_order):
        rows.extend(figure_rows(name, runs_by_name[name], suffix))
    return rows


def read_rows(path):
    with open(path, encoding="utf-8") as file:
        return [tuple(line.rstrip("\n").split("\t")) for line in file if line.strip()]


def ratio_rows(rows):
    values = {}  # times in seconds, so that rows in different units compare
    for figure, value, unit in rows:
        try:
            values[figure] = float(value) * TO_SECONDS.get(unit, 1.0)
        except ValueError:
            pass
    derived = []
    for figure, numerator, denominator in RATIOS:
        if isinstance(denominator, float):
            divisor = denominator
        elif isinstance(denominator, tuple):
            divisor = values.get(denominator[0], 0) * denominator[1]
        else:
            divisor = values.get(denominator, 0)
        if numerator in values and divisor:
            derived.append((figure, f"{values[numerator] / divisor:.3f}", "x"))
    return derived


def table(rows):
    width = max(len("figure"), *(len(row[0]) for row in rows))
    value_width = max(len("value"), *(len(row[1]) for row in rows))
    lines = [f"{'figure':<{width}}  {'value':>{value_width}}  unit",
             f"{'-' * width}  {'-' * value_width}  ----"]
    lines += [f"{figure:<{width}}  {value:>{value_width}}  {unit}" for figure, value, unit in rows]
    return "\n".join(lines)


def main(arguments):
    if len(arguments) not in (2, 3) or arguments[0] not in ("rows", "ratios", "table"):
        sys.exit(__doc__)
    command, path = arguments[:2]
    if command == "rows":
        rows = benchmark_rows(path, arguments[2] if len(arguments) == 3 else "")
    elif command == "ratios":
        rows = ratio_rows(read_rows(path))
    else:
        print(table(read_rows(path)))
        return
    for row in rows:
        print("\t".join(row))


if __name__ == "__main__":
    main(sys.argv[1:])
