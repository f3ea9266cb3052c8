#!/usr/bin/env bash
# The calculation is built in stages, one folder of calc/src each, in this
# order; a file may include only headers of its own stage or of an earlier
# one, so that the stages read from top to bottom and no include loop can
# form between them. Public headers belong to the stage that defines them.
set -euo pipefail
cd "$(dirname "$0")/.."

stages=(boxes faults inputs tables run notes summary curve_fit calculation performance vehicle_file)
declare -A public=(
    [input_boxes.h]=boxes [calc_input.h]=boxes
    [calc_fault.h]=faults [speed_in_kmh.h]=faults
    [field_value.h]=inputs
    [calc_tables.h]=tables
    [run_trace.h]=run
    [plausibility.h]=notes [reading_notes.h]=notes
    [run_summary.h]=summary
    [torque_curve_fit.h]=curve_fit
    [run_calculation.h]=calculation
    [performance.h]=performance [input_study.h]=performance
    [vehicle_file.h]=vehicle_file
)
rank() {
    local i
    for i in "${!stages[@]}"; do
        [ "${stages[$i]}" = "$1" ] && { echo "$i"; return; }
    done
    echo "unknown stage: $1" >&2
    exit 2
}
stage_of() {
    case $1 in
        calc/include/kinetra/*) echo "${public[$(basename "$1")]:?a public header with no stage: $1}" ;;
        calc/src/*/*) local rest=${1#calc/src/}; echo "${rest%%/*}" ;;
        *) echo "a file outside the stages: $1" >&2; exit 2 ;;
    esac
}

faults=0
while IFS= read -r file; do
    own=$(rank "$(stage_of "$file")")
    while IFS= read -r included; do
        if [ -f "calc/include/$included" ]; then
            target="calc/include/$included"
        elif [ -f "calc/src/$included" ]; then
            target="calc/src/$included"
        else
            continue # a library's header
        fi
        if [ "$(rank "$(stage_of "$target")")" -gt "$own" ]; then
            echo "$file includes $included, from a later stage" >&2
            faults=$((faults + 1))
        fi
    done < <(sed -n 's/^#include "\(.*\)"$/\1/p' "$file")
done < <(git ls-files -- 'calc/src/*.cpp' 'calc/src/*.h' 'calc/include/*.h')

[ "$faults" -eq 0 ] || { echo "check_stages.sh: $faults include(s) against the order of the stages" >&2; exit 1; }
echo "Every calc file includes only its own stage or earlier ones."
