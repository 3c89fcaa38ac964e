#!/usr/bin/env python3
"""Prints the benchmark medians as a Markdown table, each beside its floor."""
import json
import sys

FLOORS = {
    "BM_Load": "BM_Floor_SumBytes",
    "BM_Reload": "BM_Floor_SumBytes",
    "BM_LoadFromFile": "BM_Floor_SumBytes",
    "BM_Save": "BM_Floor_SumBytes",
    "BM_SaveToFileNoFlush": "BM_Floor_SumBytes",
    "BM_SaveChangedNoFlush_WithGeneration": "BM_SaveChangedNoFlush",
    "BM_SaveChangedToDisk_WithGeneration/real_time": "BM_SaveChangedToDisk/real_time",
    "BM_MonthRange": "BM_MonthRange_OneYearBook",
    "BM_TreeMonthRange": "BM_MonthRange_OneYearBook",
    "BM_AppendFiscalYear_Law": "BM_AppendFiscalYear",
}


def fmt(ns):
    return f"{ns / 1e6:.3f} ms" if ns >= 1e5 else f"{ns / 1e3:.2f} µs" if ns >= 100 else f"{ns:.1f} ns"


def main():
    data = json.load(open(sys.argv[1]))
    med = {}
    for b in data["benchmarks"]:
        if b.get("aggregate_name") == "median":
            med[b["run_name"]] = b["real_time"] * {"ns": 1, "us": 1e3, "ms": 1e6}[b["time_unit"]]
    ctx = data["context"]
    print(f"Measured on {ctx.get('host_name', '?')}: {ctx['num_cpus']} CPUs at {ctx['mhz_per_cpu']} MHz, "
          f"median of 5 runs.\n")
    print("| operation on the largest book | time | floor | ratio |")
    print("|---|---|---|---|")
    for name, ns in med.items():
        floor = FLOORS.get(name)
        if floor and floor in med:
            print(f"| {name[3:]} | {fmt(ns)} | {floor[3:]} {fmt(med[floor])} | {ns / med[floor]:.1f}× |")
        else:
            print(f"| {name[3:]} | {fmt(ns)} | | |")


main()
