#!/usr/bin/env bash
# Instructions per call of RunCalculation (for the sheet's benchmarks, of
# PerformanceOf; for a study's, of StudyAt: one figure), counted with
# callgrind, beside the median time of each benchmark. The counts hardly move from run to run or
# machine to machine, unlike times on a shared machine. Run from the top of
# the tree after a Release build (scripts/kinetra.sh test builds build-test):
#   bench/instructions.sh [build-dir]
set -euo pipefail
build="${1:-build-test}"
bench="$build/bench/calc_bench"
[ -x "$bench" ] || { echo "build first: $bench is missing" >&2; exit 1; }
grep -q '^CMAKE_BUILD_TYPE:STRING=Release$' "$build/CMakeCache.txt" \
    || { echo "$build is not a Release build: its counts would mean little" >&2; exit 1; }
command -v valgrind >/dev/null || { echo "valgrind is missing (apt-get install valgrind)" >&2; exit 1; }

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$bench" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true --benchmark_format=csv \
    2>/dev/null >"$out/times.csv"

printf '%-24s %16s %14s\n' benchmark instructions/call "median time"
for name in $("$bench" --benchmark_list_tests=true); do
    valgrind --tool=callgrind --callgrind-out-file="$out/$name.cg" \
        "$bench" --benchmark_filter="^$name\$" --benchmark_min_time=0.2 >/dev/null 2>&1
    # The calls into RunCalculation and their inclusive cost, from the
    # caller's record: "cfn=(id)", then "calls=N ...", then "line cost". A
    # function is named once, after its id, wherever the id first appears.
    case $name in
        BM_Sheet*) entry=PerformanceOf ;;
        BM_Study*) entry=StudyAt ;;
        *) entry=RunCalculation ;;
    esac
    perCall=$(awk -v entry="kinetra::$entry(" '
        /^c?fn=\([0-9]+\) / && index($2, entry) == 1 { target = substr($1, index($1, "(")) }
        /^cfn=/ { counting = (target != "" && substr($1, 5) == target); next }
        counting && /^calls=/ { split($1, c, "="); calls += c[2]; getline; cost += $2; counting = 0 }
        END { if (calls > 0) printf "%.0f", cost / calls }
    ' "$out/$name.cg")
    median=$(awk -F, -v n="\"${name}_median\"" '$1 == n { printf "%.0f %s", $4, $5 }' "$out/times.csv")
    printf '%-24s %16s %14s\n' "$name" "${perCall:-?}" "${median:-?}"
done
