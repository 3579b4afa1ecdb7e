#!/usr/bin/env python3
"""Turns the probe's "metric value" lines into tables of medians and ratios."""
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


def fmt(v, unit):
    if v is None:
        return "—"
    text = f"{v:.0f}" if v == int(v) else f"{v:.1f}"
    return f"{text} {unit}".strip()


def ratio(a, b):
    return f"{a / b:.2f}" if a is not None and b else "—"


def row(label, key, unit, target=""):
    s, sw, w, b = (med.get(f"{key}.{who}") for who in ("sorvane", "samework", "window", "bare"))
    print(f"| {label} | {fmt(s, unit)} | {fmt(sw, unit)} | {fmt(w, unit)} | {fmt(b, unit)} "
          f"| {ratio(s, sw)} | {ratio(s, w)} | {ratio(s, b)} | {target} |")


starts = len(values.get("start_ms.sorvane", []))
print(f"Medians of {runs} runs (Xvfb + 64-bit Wine; idle window {idle} s; "
      f"start-up: median of {starts} starts of each program).\n")
print("| measure | Sorvane | same-work floor | window floor | bare floor "
      "| Sorvane ÷ same-work | Sorvane ÷ window | Sorvane ÷ bare | target |")
print("|---|---|---|---|---|---|---|---|---|")
row("executable size (32-bit)", "size_bytes", "B", "≤ 250 KB")
row("start to idle", "start_ms", "ms", "≤ 1.10× same-work floor")
row("private memory at idle (RssAnon)", "rss_anon_kb", "KiB", "≤ 1.06× window floor")
row("working set at idle (VmRSS)", "vm_rss_kb", "KiB", "")
row(f"CPU over {idle} s idle", "idle_cpu_ms", "ms", "within 10 ms of bare floor")
row("child windows of the main window", "child_windows", "", "")

# Each round starts every program once: Sorvane's start over each floor's of
# the same round, so that a busy moment weighs on both sides.
paired = []
for who, name in (("samework", "same-work floor"), ("window", "window floor"), ("bare", "bare floor")):
    v = values.get(f"round_ratio.{who}", [])
    if v:
        paired.append(f"÷ {name} {statistics.median(v):.2f}")
if paired:
    print(f"\nStart to idle, median of the {len(values['round_ratio.samework'])} rounds' own ratios: "
          f"Sorvane {'; '.join(paired)}.")

spread = []
for who, name in (("sorvane", "Sorvane"), ("samework", "same-work floor"), ("window", "window floor"),
                  ("bare", "bare floor")):
    v = values.get(f"start_ms.{who}", [])
    if len(v) >= 4:
        q = statistics.quantiles(v, n=4)
        spread.append(f"{name} {q[0]:.0f}–{q[2]:.0f} ms (fastest {min(v):.0f})")
if spread:
    print(f"\nStart to idle, middle half of the starts: {'; '.join(spread)}.")

print("\n| measure (Sorvane alone) | Sorvane | compared with | ratio | target |")
print("|---|---|---|---|---|")
after = med.get("rss_anon_kb_after_previews.sorvane")
before = med.get("rss_anon_kb.sorvane")
opened = med.get("rss_anon_kb_open_one_preview.sorvane")
if opened is not None and before:
    print(f"| private memory, window opened and one preview/clear | {opened:.1f} KiB | own idle | {opened / before:.2f} | |")
if after is not None and before:
    vs_open = f"; {after / opened:.2f}" if opened else ""
    print(f"| private memory after 100 more previews of 4000×3000 | {after:.1f} KiB | own idle{'; opened' if opened else ''} "
          f"| {after / before:.2f}{vs_open} | within 5% |")
tick = med.get("tick_us.sorvane")
if tick is not None:
    print(f"| one tick (73 entries, period 1440) | {tick:.1f} µs | — | — | |")
change = med.get("change_ms.sorvane")
if change is not None:
    print(f"| one tick with a change (period 1) | {change:.2f} ms | — | — | |")
prev, plat = med.get("preview_ms.sorvane"), med.get("platform_load_ms")
if prev is not None and plat:
    print(f"| preview of 4000×3000 | {prev:.1f} ms | LoadImage of the same file: {plat:.1f} ms | {prev / plat:.2f} | ≤ 1.10× |")

execute = med.get("execute_ms.sorvane")
if execute is not None:
    print(f"| Execute with 73 entries (save, colour, desktop values, rules, to the tray) | {execute:.1f} ms | — | — | |")

bd = {k: med.get(f"bd_start_ms.{k}") for k in ("window", "samework", "empty", "list")}
if all(bd.values()):
    n = len(values.get("bd_start_ms.list", []))
    print(f"\nStart-up broken down (medians of {n} starts of each, in turn):\n")
    print("| program | start to idle | ÷ same-work floor | ÷ window floor |")
    print("|---|---|---|---|")
    for key, label in (("window", "window floor"), ("samework", "same-work floor"),
                       ("empty", "Sorvane with an empty list (same Freq: automatic change on)"),
                       ("list", "Sorvane with 73 entries")):
        print(f"| {label} | {bd[key]:.1f} ms | {bd[key] / bd['samework']:.2f} | {bd[key] / bd['window']:.2f} |")

costs = [("key_reads", "77 key reads of the settings file (Count, 1..73, On, Random, Min)"),
         ("section_reads", "2 section reads of the same (List, Freq; size query first)"),
         ("find_first", "73 existence tests by folder search (FindFirstFileA)"),
         ("attributes", "73 existence tests by attribute query (GetFileAttributesA)"),
         ("registry", "5 desktop values from the registry (each through its own opening of \"desktop\")"),
         ("list_fill", "73 lines into a list box"),
         ("hidden_window", "one hidden top-level window"),
         ("popup_menu", "a pop-up menu of 6 items"),
         ("blank_bitmap", "a blank 169×113 bitmap, filled"),
         ("key_writes", "the save of 73 entries key by key (erase, 74 keys, 3 Freq keys)"),
         ("section_writes", "the same save by section (erase, names, 1 section, 3 Freq keys)")]
if any(med.get(f"cost_ms.{k}") is not None for k, _ in costs):
    print("\nEach kind of work alone, in the probe's process on the same files (median of 15, the saves of 9):\n")
    print("| work | time |")
    print("|---|---|")
    for key, label in costs:
        v = med.get(f"cost_ms.{key}")
        if v is not None:
            print(f"| {label} | {v:.2f} ms |")

load = values.get("load_1min")
if load:
    print(f"\n1-minute load average before each run and after the last: {', '.join(f'{v:.2f}' for v in load)}.")
errors = [line.strip() for line in open(path) if line.startswith("error")]
for e in errors:
    print(f"\nprobe: {e}")
