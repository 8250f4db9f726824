#!/usr/bin/env python3
"""Reads the JSON files that bench/run-all wrote and sets each figure beside
its goal. Usage: summarize.py RESULTS_DIR"""
import json
import os
import sys

folder = sys.argv[1]


def medians(name):
    path = os.path.join(folder, name + ".json")
    if not os.path.exists(path):
        return {}
    with open(path) as f:
        data = json.load(f)
    out = {}
    for b in data["benchmarks"]:
        if b.get("run_type") == "aggregate" and b.get("aggregate_name") == "median":
            out[b["run_name"]] = b
    return out


def ms(b, key):
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
    return b[key] * scale


def verdict(value, goal):
    return "meets" if value <= goal else "MISSES"


def line(text):
    print("  " + text)


print("Goals (medians; CPU = time on the benchmark's thread, steadier than wall time here)")

g = medians("generate")
if g:
    c, f = g.get("CreateMemo_defaults"), g.get("Floor_setPlainText_defaults")
    if c and f:
        r_cpu, r_wall = ms(c, "cpu_time") / ms(f, "cpu_time"), ms(c, "real_time") / ms(f, "real_time")
        print("1. Generation on the defaults: CreateMemo / setPlainText alone")
        line("CreateMemo %.1f us CPU (%.1f us wall), floor %.1f us CPU (%.1f us wall)"
             % (ms(c, "cpu_time") * 1e3, ms(c, "real_time") * 1e3,
                ms(f, "cpu_time") * 1e3, ms(f, "real_time") * 1e3))
        line("ratio %.2f CPU, %.2f wall; goal <= 1.2: %s" % (r_cpu, r_wall, verdict(r_cpu, 1.2)))

g = medians("growth")
if g:
    print("2. Growth: CreateMemo with N rows in each of the four lists")
    for kind in ("CreateMemo_rows", "EmitFile_rows", "Floor_setPlainText_rows"):
        rows = {n: g.get("%s/%d" % (kind, n)) for n in (1000, 10000, 100000)}
        if not all(rows.values()):
            continue
        ips = ", ".join("%d: %.0f rows/s" % (n, b.get("items_per_second", 0)) for n, b in rows.items())
        r = ms(rows[100000], "cpu_time") / ms(rows[10000], "cpu_time")
        line("%-24s %s; 100000/10000 = %.1fx CPU (goal <= 12: %s)" % (kind, ips, r, verdict(r, 12)))
    path = os.path.join(folder, "growth.json")
    with open(path) as f:
        for b in json.load(f)["benchmarks"]:
            if b.get("aggregate_name") == "BigO" or b["name"].endswith("_BigO"):
                line("%-24s fitted complexity %s" % (b["name"], b.get("big_o", "?")))

g = medians("lists")
if g:
    print("3. List editors: 100000 rows against 100 (wall time of the press and its repaint)")
    for grid in ("StringGrid1", "StringGrid2", "StringGrid3", "StringGrid4"):
        parts = []
        for op, goal in (("ADD", 2.0), ("DELETE", None)):
            wheres = [""] if op == "ADD" else ["/row:first", "/row:middle", "/row:last"]
            for where in wheres:
                small = g.get("%s/%s/rows:100%s/manual_time" % (op, grid, where))
                big = g.get("%s/%s/rows:100000%s/manual_time" % (op, grid, where))
                if small and big:
                    r = ms(big, "real_time") / ms(small, "real_time")
                    text = "%s%s %.0f->%.0f us (%.1fx)" % (op, where.replace("/row:", " "),
                                                        ms(small, "real_time") * 1e3,
                                                        ms(big, "real_time") * 1e3, r)
                    if goal:
                        text += " goal <= %.0f: %s" % (goal, verdict(r, goal))
                    parts.append(text)
        line("%s: %s" % (grid, "; ".join(parts)))
    fs = g.get("FormShow/defaults/manual_time")
    if fs:
        line("FormShow: %.1f us" % (ms(fs, "real_time") * 1e3))

g = medians("save")
if g:
    s, f, fs = g.get("Save_writePath"), g.get("Floor_QFile"), g.get("Floor_QFile_fsync")
    if s and f:
        print("4. Saving a 10 MB memo: fileBytes + writeFile / QFile write of the same bytes")
        line("write path %.1f ms wall (fileBytes %.1f, writeFile %.1f); QFile %.1f ms; QFile+fsync %.1f ms"
             % (ms(s, "real_time"), ms(g["Part_fileBytes"], "real_time"),
                ms(g["Part_writeFile"], "real_time"), ms(f, "real_time"), ms(fs, "real_time")))
        r = ms(s, "real_time") / ms(f, "real_time")
        line("ratio %.1f (goal <= 1.5: %s); against QFile+fsync %.1f"
             % (r, verdict(r, 1.5), ms(s, "real_time") / ms(fs, "real_time")))

path = os.path.join(folder, "startup.txt")
if os.path.exists(path):
    print("5. Start-up (see startup.txt and callgrind.txt)")
    with open(path) as f:
        for l in f:
            if " / " in l:
                line(l.strip())
