#!/usr/bin/env bash
# Time from process start to the window's first paint, and the peak resident
# memory of a start, one calculation and "Salir". Run from the top of the tree
# after a build in build-test (scripts/kinetra.sh test), e.g.
#   xvfb-run -a -s "-screen 0 1280x800x24" bench/window_start.sh
set -euo pipefail
build="${1:-build-test}"
[ -x "$build/bench/window_start" ] || { echo "build first: $build/bench/window_start is missing" >&2; exit 1; }
for _ in $(seq 1 15); do
    t0=$(date +%s%N)
    t1=$("$build/bench/window_start" 2>/dev/null)
    echo $(((t1 - t0) / 1000))
done | sort -n | awk '{a[NR] = $1} END {printf "window shown: min %.1f ms, median %.1f ms, max %.1f ms\n", a[1] / 1000, a[int((NR + 1) / 2)] / 1000, a[NR] / 1000}'
/usr/bin/time -f "start, one calculation, Salir: peak %M KiB resident" "$build/tests/app/start_calculate_quit" 2>&1 | tail -n 1
