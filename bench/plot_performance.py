#!/usr/bin/python3
"""Turns a vornix-bench JSON report into the table and the plot of
docs/performance.md.

    build/linux/vornix-bench --benchmark_repetitions=5 \\
        --benchmark_report_aggregates_only=true \\
        --benchmark_out=bench.json --benchmark_out_format=json
    /usr/bin/python3 bench/plot_performance.py bench.json docs/performance.png

Prints the Markdown tables (medians of the repetitions: times, and the
run's ratios to each floor of the same N) and writes the plot: nanoseconds
per vertex against N for the run and the floors. Needs matplotlib (Debian's
python3-matplotlib).
"""

import json
import sys

import matplotlib

matplotlib.use("Agg")  # no display needed
import matplotlib.pyplot as plt  # noqa: E402

RUN = "BM_Run"
# The floors, strongest last; the first two are the ones the goals name.
FLOORS = ["BM_ArrayFloor", "BM_HostCallFloor", "BM_ArrayFloorTabled", "BM_HostCallFloorTabled"]
STYLE = {
    RUN: dict(color="black", marker="o", linestyle="-", linewidth=2),
    "BM_ArrayFloor": dict(color="tab:blue", marker="s", linestyle="-"),
    "BM_HostCallFloor": dict(color="tab:orange", marker="^", linestyle="-"),
    "BM_ArrayFloorTabled": dict(color="tab:blue", marker="s", linestyle="--"),
    "BM_HostCallFloorTabled": dict(color="tab:orange", marker="^", linestyle="--"),
}
TO_NANOSECONDS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}


def read_report(path):
    """{name: {n: {aggregate: entry}}} and the report's context."""
    with open(path, encoding="utf-8") as report_file:
        report = json.load(report_file)
    results = {}
    for entry in report["benchmarks"]:
        name, size = entry["run_name"].split("/")[:2]  # "BM_Run/1000/real_time"
        aggregate = entry.get("aggregate_name", "median")  # a report without repetitions
        results.setdefault(name, {}).setdefault(int(size), {})[aggregate] = entry
    return results, report.get("context", {})


def nanoseconds(entry):
    return entry["real_time"] * TO_NANOSECONDS[entry["time_unit"]]


def format_time(ns):
    if ns >= 1e6:
        return f"{ns / 1e6:.2f} ms"
    if ns >= 1e3:
        return f"{ns / 1e3:.1f} µs"
    return f"{ns:.0f} ns"


def median(results, name, n):
    return results.get(name, {}).get(n, {}).get("median")


def print_tables(results):
    names = [name for name in [RUN] + FLOORS if name in results]
    sizes = sorted({n for name in names for n in results[name]})

    print("Median time of one build (ns per vertex):\n")
    print("| N | vertices | " + " | ".join(f"`{name}`" for name in names) + " |")
    print("|---:" * (2 + len(names)) + "|")
    for n in sizes:
        cells = [str(n), f"{n * n:,}"]
        for name in names:
            entry = median(results, name, n)
            cells.append("" if entry is None else
                         f"{format_time(nanoseconds(entry))} ({nanoseconds(entry) / (n * n):.1f})")
        print("| " + " | ".join(cells) + " |")

    floors = [name for name in FLOORS if name in results]
    if RUN in results and floors:
        print("\nThe run's time as a multiple of each floor's, same N, same process:\n")
        print("| N | " + " | ".join(f"`{RUN}` ÷ `{floor}`" for floor in floors) + " |")
        print("|---:" * (1 + len(floors)) + "|")
        for n in sizes:
            run = median(results, RUN, n)
            cells = [str(n)]
            for floor in floors:
                entry = median(results, floor, n)
                cells.append("" if run is None or entry is None else f"{nanoseconds(run) / nanoseconds(entry):.2f}")
            print("| " + " | ".join(cells) + " |")

    print_goals(results)

    run_1000 = median(results, RUN, 1000)
    if run_1000 is not None and "peak_bytes" in run_1000:
        print(f"\nPeak allocation of one run at N = 1000: {run_1000['peak_bytes']:,.0f} bytes, "
              f"{run_1000['peak_bytes_per_vertex']:.3f} bytes per vertex.")


def print_goals(results):
    """The issue's goals, judged on this report."""
    def ratio(n):
        run, floor = median(results, RUN, n), median(results, "BM_ArrayFloor", n)
        return None if run is None or floor is None else nanoseconds(run) / nanoseconds(floor)

    def verdict(passed):
        return "met" if passed else "NOT met"

    print()
    for n in (1000, 2000):
        r = ratio(n)
        if r is not None:
            print(f"- `BM_Run/{n}` = {r:.2f} × `BM_ArrayFloor/{n}`: goal ≤ 1.5 {verdict(r <= 1.5)}, "
                  f"stretch ≤ 1.3 {verdict(r <= 1.3)}.")
    per_vertex = {n: nanoseconds(median(results, RUN, n)) / (n * n)
                  for n in (128, 512, 1000, 2000) if median(results, RUN, n) is not None}
    if len(per_vertex) > 1:
        mean = sum(per_vertex.values()) / len(per_vertex)
        spread = max(abs(v - mean) for v in per_vertex.values()) / mean
        print(f"- `BM_Run` per vertex from N = 128 to 2000: {min(per_vertex.values()):.1f} to "
              f"{max(per_vertex.values()):.1f} ns, within ±{spread * 100:.0f}% of their mean: "
              f"goal ±25% {verdict(spread <= 0.25)}.")
    small = median(results, RUN, 12)
    if small is not None:
        print(f"- `BM_Run/12` = {format_time(nanoseconds(small))}: goal under 20 µs "
              f"{verdict(nanoseconds(small) < 20e3)}.")


def plot(results, context, output):
    figure, axes = plt.subplots(figsize=(10, 5))
    for name in [RUN] + FLOORS:
        if name not in results:
            continue
        sizes = sorted(n for n in results[name] if "median" in results[name][n])
        medians = [nanoseconds(results[name][n]["median"]) / (n * n) for n in sizes]
        spreads = [nanoseconds(results[name][n]["stddev"]) / (n * n) if "stddev" in results[name][n] else 0.0
                   for n in sizes]
        axes.errorbar(sizes, medians, yerr=spreads, label=name, capsize=3, **STYLE[name])
    axes.set_xscale("log")
    axes.set_xticks([12, 128, 512, 1000, 2000])
    axes.get_xaxis().set_major_formatter(matplotlib.ticker.ScalarFormatter())
    axes.set_ylim(bottom=0)
    axes.set_xlabel("N (ring sections = tube sections; N² vertices)")
    axes.set_ylabel("ns per vertex (median, ± stddev)")
    axes.set_title("A whole run beside its floors")
    axes.grid(True, which="both", alpha=0.3)
    axes.legend(loc="center left", bbox_to_anchor=(1.01, 0.5))
    machine = f"{context.get('num_cpus', '?')} CPUs at {context.get('mhz_per_cpu', '?')} MHz, {context.get('date', '')}"
    figure.text(0.99, 0.01, machine, ha="right", va="bottom", fontsize=7, color="gray")
    figure.tight_layout()
    figure.savefig(output, dpi=100)


def main(arguments):
    if len(arguments) != 3:
        sys.exit(__doc__)
    results, context = read_report(arguments[1])
    print_tables(results)
    plot(results, context, arguments[2])


if __name__ == "__main__":
    main(sys.argv)
