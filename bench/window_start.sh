#!/usr/bin/env bash
# Time from process start to the window's first paint, and the peak resident
# memory up to then, for the program's window and for a bare Qt window with
# the same controls (bench/bare_window.cpp), run in turn so that both meet
# the same load; then the peak memory of a start, one calculation and
# "Salir". Run from the top of the tree after a build in build-test
# (scripts/kinetra.sh test), e.g.
#   xvfb-run -a -s "-screen 0 1280x800x24" bench/window_start.sh
set -euo pipefail
build="${1:-build-test}"
runs=15
for program in window_start bare_window; do
    [ -x "$build/bench/$program" ] || { echo "build first: $build/bench/$program is missing" >&2; exit 1; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# One start: microseconds to the first paint, then peak KiB resident.
start() {
    local t0 t1
    t0=$(date +%s%N)
    t1=$(/usr/bin/time -f %M -o "$out/kib" "$build/bench/$1" 2>/dev/null)
    echo "$(((t1 - t0) / 1000)) $(cat "$out/kib")"
}
for _ in $(seq 1 "$runs"); do
    start window_start >>"$out/window"
    start bare_window >>"$out/bare"
done
median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
for kind in window bare; do
    cut -d' ' -f1 "$out/$kind" | median >"$out/$kind.us"
    cut -d' ' -f2 "$out/$kind" | median >"$out/$kind.kib"
done
awk -v w="$(cat "$out/window.us")" -v b="$(cat "$out/bare.us")" -v wm="$(cat "$out/window.kib")" \
    -v bm="$(cat "$out/bare.kib")" -v n="$runs" 'BEGIN {
    printf "window shown (median of %d): %.1f ms, bare Qt window %.1f ms: %.2fx\n", n, w / 1000, b / 1000, w / b
    printf "peak resident to the first paint: %d KiB, bare Qt window %d KiB: %.2fx\n", wm, bm, wm / bm
}'
/usr/bin/time -f "start, one calculation, Salir: peak %M KiB resident" "$build/tests/app/start_calculate_quit" 2>&1 | tail -n 1
