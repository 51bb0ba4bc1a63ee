#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the main window beside a bare window, both children of
# bench_ui_startup on the offscreen platform:
#  - instructions to the first paint (callgrind, when valgrind is present);
#  - paired runs: wall time, CPU time (user + system) and peak memory
#    (maximum resident size), medians of N runs of each, taken in turn
#    (python3).
#
#   benchmarks/startup-instructions.sh [BUILD_DIR] [RUNS]    (defaults: build, 21)
#
# Instructions do not swing with the machine's load; the times do (±30 %).
set -euo pipefail

build=${1:-build}
runs=${2:-21}
bench=$build/benchmarks/bench_ui_startup
target=1.8        # instructions, main window / bare window
memory_target=1.4 # peak memory, main window / bare window

if [[ ! -x $bench ]]; then
  echo "no $bench: configure with -DVELMIRA_BENCH=ON and build bench_ui_startup" >&2
  exit 2
fi
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

if command -v valgrind >/dev/null; then
  declare -A instructions
  for child in minimale principale; do
    valgrind --tool=callgrind --callgrind-out-file="$build/benchmarks/startup.callgrind.$child" "$bench" --enfant "$child" \
      >/dev/null 2>"$work/valgrind.$child"
    instructions[$child]=$(sed -n 's/.*Collected : *\([0-9]*\).*/\1/p' "$work/valgrind.$child")
  done
  r=$(ratio "${instructions[principale]}" "${instructions[minimale]}")
  printf 'instructions  bare %6.1f M   main %6.1f M   ratio %s (target <= %s)\n' \
    "$(awk -v v="${instructions[minimale]}" 'BEGIN { print v / 1e6 }')" \
    "$(awk -v v="${instructions[principale]}" 'BEGIN { print v / 1e6 }')" "$r" "$target"
  echo "  profiles: callgrind_annotate --inclusive=yes $build/benchmarks/startup.callgrind.{minimale,principale}"
else
  echo "instructions  valgrind missing: not measured"
fi

# Paired runs: one of each in turn, so that both see the same load; each
# child's own CPU time and peak memory from wait4.
python3 - "$bench" "$runs" "$memory_target" <<'PY'
import os, statistics, subprocess, sys, time
bench, runs, memory_target = sys.argv[1], int(sys.argv[2]), sys.argv[3]
figures = {c: {"wall": [], "cpu": [], "peak": []} for c in ("minimale", "principale")}
for _ in range(runs):
    for child, f in figures.items():
        start = time.perf_counter()
        p = subprocess.Popen([bench, "--enfant", child], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(p.pid, 0)
        f["wall"].append((time.perf_counter() - start) * 1e3)
        f["cpu"].append((usage.ru_utime + usage.ru_stime) * 1e3)
        f["peak"].append(usage.ru_maxrss / 1024)
        if status != 0:
            sys.exit(f"the {child} child failed")
bare, main = ({k: statistics.median(v) for k, v in figures[c].items()} for c in ("minimale", "principale"))
print(f"wall          bare {bare['wall']:6.1f} ms  main {main['wall']:6.1f} ms  ratio {main['wall'] / bare['wall']:.2f}"
      f" (medians of {runs} pairs)")
print(f"CPU           bare {bare['cpu']:6.1f} ms  main {main['cpu']:6.1f} ms  ratio {main['cpu'] / bare['cpu']:.2f}")
print(f"peak memory   bare {bare['peak']:6.1f} MiB main {main['peak']:6.1f} MiB ratio {main['peak'] / bare['peak']:.2f}"
      f" (target < {memory_target})")
PY
