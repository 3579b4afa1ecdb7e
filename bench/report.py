#!/usr/bin/env python3
"""Turns the probe's "metric value" lines into a table of medians and ratios."""
import collections
import statistics
import sys

path, runs, idle = sys.argv[1], sys.argv[2], sys.argv[3]
values = collections.defaultdict(list)
for line in open(path):
    parts = line.split()
    if len(parts) == 2:
        try:
            values[parts[0]].append(float(parts[1]))
        except ValueError:
            pass
med = {k: statistics.median(v) for k, v in values.items()}


def row(label, key, unit, target=""):
    s, f = med.get(key + ".sorvane"), med.get(key + ".floor")
    ratio = f"{s / f:.2f}" if s is not None and f else "—"
    fs = f"{f:.1f}" if f is not None else "—"
    ss = f"{s:.1f}" if s is not None else "—"
    print(f"| {label} | {ss} {unit} | {fs} {unit} | {ratio} | {target} |")


print(f"Medians of {runs} runs (Xvfb + 64-bit Wine; idle window {idle} s).\n")
print("| measure | Sorvane | floor | ratio | target |")
print("|---|---|---|---|---|")
row("executable size (32-bit)", "size_bytes", "B", "≤ 250 KB")
row("start to idle", "start_ms", "ms", "≤ 1.3× floor")
row("private memory at idle (RssAnon)", "rss_anon_kb", "KiB", "≤ 1.3× floor")
row("working set at idle (VmRSS)", "vm_rss_kb", "KiB", "")
row(f"CPU over {idle} s idle", "idle_cpu_ms", "ms", "within 10 ms of floor")
after = med.get("rss_anon_kb_after_previews.sorvane")
before = med.get("rss_anon_kb.sorvane")
opened = med.get("rss_anon_kb_open_one_preview.sorvane")
if opened is not None and before:
    print(f"| private memory, window opened and one preview/clear | {opened:.1f} KiB | — | {opened / before:.2f}× own idle | |")
if after is not None and before:
    vs_open = f", {after / opened:.2f}× opened" if opened else ""
    print(f"| private memory after 100 more previews of 4000×3000 | {after:.1f} KiB | — | {after / before:.2f}× own idle{vs_open} | within 5% |")
tick = med.get("tick_us.sorvane")
if tick is not None:
    print(f"| one tick (73 entries, period 1440) | {tick:.1f} µs | — | — | |")
change = med.get("change_ms.sorvane")
if change is not None:
    print(f"| one tick with a change (period 1) | {change:.2f} ms | — | — | |")
prev, plat = med.get("preview_ms.sorvane"), med.get("platform_load_ms")
if prev is not None and plat:
    print(f"| preview of 4000×3000 vs LoadImage | {prev:.1f} ms | {plat:.1f} ms (platform) | {prev / plat:.2f} | ≤ 1.3× |")
