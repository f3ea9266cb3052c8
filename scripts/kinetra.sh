#!/usr/bin/env bash
# Set-up, build, run and test Kinetra on Debian or Ubuntu.
#   scripts/kinetra.sh run    install what is missing, build, start the window
#   scripts/kinetra.sh test   install what is missing, build, run every test
set -euo pipefail

top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$top"

required=(cmake ninja-build g++ qt6-base-dev libgtest-dev libbenchmark-dev)
# Qt's own texts (the boxes' context menus) in Spanish, and clang's fuzzing
# runtime: the program and the other tests do without them where a release
# lacks them.
optional=(qt6-translations-l10n clang libclang-rt-dev)

missing_of() {
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
    done
}

install_missing() {
    local missing_required missing_optional sudo=()
    mapfile -t missing_required < <(missing_of "${required[@]}")
    mapfile -t missing_optional < <(missing_of "${optional[@]}")
    [ ${#missing_required[@]} -eq 0 ] && [ ${#missing_optional[@]} -eq 0 ] && return 0
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    if [ ${#missing_required[@]} -gt 0 ]; then
        echo "Instalando: ${missing_required[*]}"
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing_required[@]}" >/dev/null
    fi
    for p in "${missing_optional[@]}"; do
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "$p" >/dev/null 2>&1 \
            || echo "Aviso: no se pudo instalar $p; se sigue sin él."
    done
}

# Whether clang can build a libFuzzer target here.
can_fuzz() {
    command -v clang++ >/dev/null || return 1
    local probe
    probe=$(mktemp -d)
    printf 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }\n' >"$probe/p.cpp"
    clang++ -fsanitize=fuzzer "$probe/p.cpp" -o "$probe/p" >/dev/null 2>&1
    local ok=$?
    rm -rf "$probe"
    return $ok
}

jobs=$(nproc)

# configure_and_build DIR [cmake options...]
configure_and_build() {
    local dir="$1"
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

run_app() {
    configure_and_build build -DCMAKE_BUILD_TYPE=Release -DKINETRA_BUILD_TESTS=OFF -DKINETRA_BUILD_BENCH=OFF
    exec ./build/app/kinetra
}

run_tests() {
    export QT_QPA_PLATFORM=offscreen
    local started=$SECONDS

    echo "== Release build and tests"
    configure_and_build build-test -DCMAKE_BUILD_TYPE=Release
    ctest --test-dir build-test --output-on-failure -j "$jobs"
    ./build-test/bench/calc_bench --benchmark_min_time=0.05 >/dev/null

    echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
    configure_and_build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DKINETRA_SANITIZE=ON -DKINETRA_BUILD_BENCH=OFF
    ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

    if ! can_fuzz; then
        [ -n "${CI:-}" ] && { echo "clang cannot build the fuzz targets"; exit 1; }
        echo "== clang cannot build libFuzzer targets here: fuzzing skipped"
    else
        echo "== Fuzzing, ${KINETRA_FUZZ_SECONDS:-60} s a target"
        CC=clang CXX=clang++ configure_and_build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKINETRA_FUZZ=ON \
            -DKINETRA_BUILD_APP=OFF -DKINETRA_BUILD_TESTS=OFF -DKINETRA_BUILD_BENCH=OFF
        for target in build-fuzz/fuzz/fuzz_*; do
            local name corpus log
            name=$(basename "$target")
            corpus=$(mktemp -d)
            log="build-fuzz/$name.log"
            cp fuzz/corpus/"${name#fuzz_}"/* "$corpus"/
            if ! "$target" -max_total_time="${KINETRA_FUZZ_SECONDS:-60}" -print_final_stats=1 \
                    -artifact_prefix="build-fuzz/$name-" "$corpus" >"$log" 2>&1; then
                tail -n 40 "$log"
                echo "$name found a failure; the input is in build-fuzz/"
                exit 1
            fi
            echo "$name: $(grep -E 'stat::number_of_executed_units' "$log" | awk '{print $2}') executions"
            rm -rf "$corpus"
        done
    fi
    echo "All checks passed in $((SECONDS - started)) s."
}

case "${1:-}" in
    run) install_missing; run_app ;;
    test) install_missing; run_tests ;;
    *) echo "uso: $0 run|test" >&2; exit 2 ;;
esac
