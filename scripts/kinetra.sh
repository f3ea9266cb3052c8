#!/usr/bin/env bash
# Set-up, build, run, test and package Kinetra on Debian 12 or Ubuntu.
# Each command installs, with apt, the Debian packages it uses and nothing more.
set -euo pipefail

usage() {
    cat <<'EOF'
Usage: scripts/kinetra.sh COMMAND

Commands:
  run             build the program and open its window (needs a graphical session)
  test            build and run every test: release, sanitizers, benchmark smoke run, fuzzers
  package         build the Debian package build-package/kinetra_<version>_<arch>.deb and check it
  format          format every C++ file with clang-format, as CI expects
  format --check  only report the files that are not formatted
  screen-reader   run the window under the Orca screen reader on a virtual display and write
                  what Orca says at each step to build/orca/speech.txt (not part of 'test')
  --help          show this help

Missing Debian packages are installed first, as root or through sudo.
The first 'test' downloads about 340 MB of packages and takes 5 to 12 minutes.
KINETRA_FUZZ_SECONDS sets how long each fuzz target runs in 'test' (default 60).
EOF
}

started=$SECONDS
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$top"
jobs=$(nproc)

say() { printf '%s\n' "$*"; }
# fail MESSAGE [ADVICE...]: says what went wrong, and what to do, then stops.
fail() {
    printf 'kinetra.sh: %s\n' "$1" >&2
    shift
    [ $# -eq 0 ] || printf '%s\n' "$@" >&2
    exit 1
}

# "3 min 05 s" or "42 s".
duration() {
    local s=$1
    if [ "$s" -ge 60 ]; then
        printf '%d min %02d s' $((s / 60)) $((s % 60))
    else
        printf '%d s' "$s"
    fi
}

# --- Debian packages --------------------------------------------------------

# group NAME: what the group of packages is for, then its packages, one a
# line. A command names the groups it needs; an optional group never stops it.
group() {
    case $1 in
        build) printf '%s\n' "the compiler, CMake, Ninja, Qt 6 with its charts and SVG, Eigen, to build the program" \
            g++ cmake ninja-build qt6-base-dev qt6-charts-dev qt6-svg-dev libeigen3-dev ;;
        window) printf '%s\n' "Qt's platform plugins, to open the window" qt6-qpa-plugins ;;
        qt_spanish) printf '%s\n' "Qt's own Spanish texts, for the text boxes' context menus" qt6-translations-l10n ;;
        tests) printf '%s\n' "GoogleTest and Google Benchmark, for the tests" libgtest-dev libbenchmark-dev ;;
        fuzz) printf '%s\n' "clang and its fuzzing runtime, for the fuzz targets" clang libclang-rt-dev ;;
        package) printf '%s\n' "Debian's packaging and checking tools, for the package" \
            dpkg-dev file desktop-file-utils appstream shared-mime-info ;;
        format) printf '%s\n' "clang-format, to format the C++ files" clang-format ;;
        screen_reader) printf '%s\n' "Orca, a virtual display and key presses, to hear the window" \
            orca speech-dispatcher espeak-ng xvfb xdotool dbus-daemon python3-pyatspi ;;
    esac
}

missing_of() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q "install ok installed" || printf '%s\n' "$p"
    done
}

as_root=()
can_be_root() {
    if [ "$(id -u)" -eq 0 ]; then
        as_root=()
    elif command -v sudo >/dev/null; then
        as_root=(sudo)
    else
        return 1
    fi
}

# Megabytes apt would download to install the given packages (empty if unknown).
download_mb() {
    apt-get install --print-uris -qq "$@" 2>/dev/null \
        | awk '{ bytes += $3 } END { if (NR > 0) printf "%d", (bytes + 999999) / 1000000 }' || true
}

# A rough guess of the time an install of MB megabytes takes, for the user.
install_time() {
    local mb=$1
    if [ -z "$mb" ]; then
        return 0
    elif [ "$mb" -ge 50 ]; then
        printf '; this takes a few minutes'
    else
        printf '; under a minute'
    fi
}

# Reads apt's status lines on standard input and shows how far it has got:
# one line rewritten in place on a terminal, a line at each quarter otherwise.
show_progress() {
    local line phase percent step shown=""
    while IFS= read -r line; do
        case "$line" in
            dlstatus:*) phase=downloading ;;
            pmstatus:*) phase=installing ;;
            *) continue ;;
        esac
        percent=$(printf '%s' "$line" | cut -d: -f3)
        percent=${percent%%.*}
        if [ -t 1 ]; then
            printf '\r  %s %3d%%' "$phase" "$percent"
        else
            step="$phase $((percent / 25 * 25))"
            if [ "$step" != "$shown" ]; then
                shown=$step
                printf '  %s %d%%\n' "$phase" $((percent / 25 * 25))
            fi
        fi
    done
    if [ -t 1 ]; then printf '\r%20s\r' ''; fi
}

# apt_install LOG PACKAGES...: apt's own output goes to LOG, its progress to
# the screen. The status lines take a descriptor of their own (3, opened
# after sudo, which closes it): on standard error they would be mixed with
# what the packages' scripts say, and debconf's break.
apt_install() {
    local log=$1
    shift
    # shellcheck disable=SC2016 # expanded by the inner shell
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive sh -c \
        'log=$1; shift; exec apt-get install -y -q -o APT::Status-Fd=3 -o Dpkg::Use-Pty=0 "$@" 3>&1 >>"$log" 2>&1' \
        apt_install "$log" "$@" | show_progress
    return "${PIPESTATUS[0]}"
}

# install_groups REQUIRED_GROUPS... -- OPTIONAL_GROUPS...
install_groups() {
    local name members missing_required=() missing_optional=() p
    local lines_required=() lines_optional=() into=required
    for name in "$@"; do
        if [ "$name" = -- ]; then
            into=optional
            continue
        fi
        mapfile -t members < <(group "$name")
        mapfile -t p < <(missing_of "${members[@]:1}")
        [ ${#p[@]} -eq 0 ] && continue
        if [ $into = required ]; then
            missing_required+=("${p[@]}")
            lines_required+=("  ${p[*]}: ${members[0]}")
        else
            missing_optional+=("${p[@]}")
            lines_optional+=("  ${p[*]}: ${members[0]} (optional)")
        fi
    done
    [ ${#missing_required[@]} -eq 0 ] && [ ${#missing_optional[@]} -eq 0 ] && return 0

    local all_missing=("${missing_required[@]}" "${missing_optional[@]}")
    say "Missing Debian packages:"
    printf '%s\n' "${lines_required[@]}" "${lines_optional[@]}"
    if ! can_be_root; then
        say "Installing them needs root, and this user is neither root nor has sudo. As root, run:"
        say "  apt-get install -y ${all_missing[*]}"
        if [ ${#missing_required[@]} -gt 0 ]; then
            say "then run 'scripts/kinetra.sh $command' again."
            exit 1
        fi
        say "Going on without the optional ones."
        return 0
    fi

    local log
    log=$(mktemp /tmp/kinetra-apt.XXXXXX.log)
    local install_started=$SECONDS
    say "Updating the list of Debian packages${as_root[*]:+ (through sudo)}..."
    if ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q >>"$log" 2>&1; then
        if [ ${#missing_required[@]} -gt 0 ]; then
            tail -n 5 "$log" >&2
            say "As root, run:  apt-get update && apt-get install -y ${all_missing[*]}" >&2
            fail "could not update the package list (the whole output is in $log)."
        fi
        say "Could not update the package list; going on without the optional packages."
        return 0
    fi

    if [ ${#missing_required[@]} -gt 0 ]; then
        local mb
        mb=$(download_mb "${missing_required[@]}")
        say "Installing ${missing_required[*]}${mb:+: about $mb MB to download}$(install_time "$mb")."
        if ! apt_install "$log" "${missing_required[@]}"; then
            tail -n 15 "$log" >&2
            say "As root, run:  apt-get install -y ${missing_required[*]}" >&2
            fail "apt could not install the packages above (the whole output is in $log)."
        fi
    fi
    if [ ${#missing_optional[@]} -gt 0 ]; then
        local mb
        mb=$(download_mb "${missing_optional[@]}")
        say "Installing the optional ${missing_optional[*]}${mb:+: about $mb MB to download}$(install_time "$mb")."
        if ! apt_install "$log" "${missing_optional[@]}"; then
            # Some releases lack one of them: take each one that is there.
            for p in "${missing_optional[@]}"; do
                apt_install "$log" "$p" || say "  $p could not be installed here; going on without it."
            done
        fi
    fi
    say "Packages ready in $(duration $((SECONDS - install_started)))."
    rm -f "$log"
}

# --- Building -----------------------------------------------------------------

# writable_build_dirs DIR...: a build folder left by another user (root, most
# often, after 'sudo scripts/kinetra.sh test') would stop CMake with a bare
# "Permission denied"; say whose it is and what to do before building.
writable_build_dirs() {
    local dir blocked owner me
    me=$(id -un)
    for dir in "$@"; do
        if [ -e "$dir" ]; then
            blocked=$(find "$dir" ! -writable -print -quit 2>/dev/null) || true
        elif [ ! -w . ]; then
            blocked=.
        else
            continue
        fi
        [ -n "$blocked" ] || continue
        owner=$(stat -c %U "$blocked")
        if [ "$blocked" = . ]; then
            fail "this clone ($top) belongs to $owner, and $me cannot create the build folder $dir/ in it." \
                "Clone the repository again as $me, or, as root:  chown -R $me: $top"
        fi
        local as_owner="as $owner or root"
        [ "$owner" = root ] && as_owner="as root"
        fail "$me cannot write in the build folder $dir/: $owner built in it before ($blocked belongs to $owner)." \
            "Remove it, $as_owner:  rm -rf $top/$dir" \
            "or make it $me's, as root:  chown -R $me: $top/$dir" \
            "then run 'scripts/kinetra.sh $command' again as $me."
    done
}

# configure_and_build DIR [cmake options...]
configure_and_build() {
    local dir="$1"
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

# The window needs a display; without one Qt aborts with a misleading hint.
check_display() {
    # A platform chosen by hand (offscreen, vnc, ...) is the user's business.
    [ -n "${QT_QPA_PLATFORM:-}" ] && return 0
    local how="Run it from a terminal inside the desktop session, or over SSH with X forwarding (ssh -X)."
    if [ -n "${WAYLAND_DISPLAY:-}" ]; then
        local socket=$WAYLAND_DISPLAY
        [ "${socket#/}" = "$socket" ] && socket="${XDG_RUNTIME_DIR:-/nonexistent}/$socket"
        [ -S "$socket" ] && return 0
    fi
    if [ -n "${DISPLAY:-}" ]; then
        # A local display :N has its socket here; a forwarded one (host:N) cannot be checked.
        case "$DISPLAY" in
            :*)
                local number=${DISPLAY#:}
                number=${number%%.*}
                [ -S "/tmp/.X11-unix/X$number" ] && return 0
                fail "the window needs a graphical session, and no X server answers on DISPLAY=$DISPLAY." "$how"
                ;;
            *) return 0 ;;
        esac
    fi
    if [ -n "${WAYLAND_DISPLAY:-}" ]; then
        fail "the window needs a graphical session, and no Wayland compositor answers on WAYLAND_DISPLAY=$WAYLAND_DISPLAY." \
            "$how"
    fi
    fail "the window needs a graphical session, and this shell has none (neither DISPLAY nor WAYLAND_DISPLAY is set)." \
        "$how" \
        "To try it here anyway, on a virtual screen that shows nothing:  xvfb-run scripts/kinetra.sh run" \
        "(xvfb-run comes in the Debian package xvfb; as root:  apt-get install -y xvfb)."
}

run_app() {
    check_display
    writable_build_dirs build
    install_groups build window -- qt_spanish
    say "== Building the program"
    configure_and_build build -DCMAKE_BUILD_TYPE=Release -DKINETRA_BUILD_TESTS=OFF -DKINETRA_BUILD_BENCH=OFF
    say "Opening the window (set-up and build took $(duration $((SECONDS - started))))."
    exec ./build/app/kinetra
}

screen_reader() {
    install_groups build window screen_reader -- qt_spanish
    say "== Building the program"
    configure_and_build build -DCMAKE_BUILD_TYPE=Release -DKINETRA_BUILD_TESTS=OFF -DKINETRA_BUILD_BENCH=OFF
    say "== Orca on a virtual display (about two minutes)"
    rm -rf build/orca
    scripts/orca_speech.sh build/app/kinetra build/orca
}

# Whether clang can build a libFuzzer target here.
can_fuzz() {
    command -v clang++ >/dev/null || return 1
    local probe ok=0
    probe=$(mktemp -d)
    printf 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }\n' >"$probe/p.cpp"
    clang++ -fsanitize=fuzzer "$probe/p.cpp" -o "$probe/p" >/dev/null 2>&1 || ok=1
    rm -rf "$probe"
    return $ok
}

# One line of timings from a short benchmark run: it shows the benchmark
# still builds and runs, not how fast the machine is.
bench_smoke() {
    local csv
    csv=$(./build-test/bench/calc_bench --benchmark_min_time=0.05 --benchmark_format=csv 2>/dev/null) \
        || fail "the benchmark smoke run failed."
    printf '%s\n' "$csv" | grep -q ',true,' && fail "a benchmark stopped on an error:" "$csv"
    say "Benchmark smoke run: $(printf '%s\n' "$csv" | awk -F, '
        NR > 1 && $1 != "" { gsub(/"/, "", $1); sub(/^BM_/, "", $1)
                             t = $3 / ($5 == "ns" ? 1000 : $5 == "ms" ? 0.001 : 1)
                             out = out sep $1 " " sprintf("%.1f", t) " µs"; sep = ", " }
        END { print out }')"
}

# Reads ctest's output on standard input: a test that passes only moves the
# count on (one line rewritten in place on a terminal, a line at each quarter
# otherwise); a failure, its output and ctest's closing summary are shown whole.
show_test_progress() {
    local line run total shown=0 quarter open_line=""
    local start='^ *Start +[0-9]+: ' passed='^ *([0-9]+)/([0-9]+) Test +#[0-9]+: .* Passed +[0-9.]+ sec$'
    while IFS= read -r line; do
        [[ $line =~ $start || $line == "Internal ctest"* ]] && continue
        if [[ $line =~ $passed ]]; then
            run=${BASH_REMATCH[1]}
            total=${BASH_REMATCH[2]}
            if [ -t 1 ]; then
                printf '\r  %d of %d tests run' "$run" "$total"
                open_line=yes
            else
                quarter=$((run * 4 / total))
                if [ "$quarter" -gt "$shown" ]; then
                    shown=$quarter
                    printf '  %d of %d tests run\n' "$run" "$total"
                fi
            fi
            continue
        fi
        # The count stays on screen, as it stood, above what follows.
        [ -z "$open_line" ] || printf '\n'
        open_line=""
        printf '%s\n' "$line"
    done
    [ -z "$open_line" ] || printf '\n'
}

# run_ctest DIR: every test of a build, its progress and every failure in full.
run_ctest() {
    ctest --test-dir "$1" --output-on-failure -j "$jobs" | show_test_progress
}

run_tests() {
    writable_build_dirs build-test build-sanitize build-fuzz
    if [ -n "${CI:-}" ]; then
        install_groups build tests fuzz --
    else
        install_groups build tests -- fuzz
    fi
    export QT_QPA_PLATFORM=offscreen
    local fuzz_seconds=${KINETRA_FUZZ_SECONDS:-60}

    say "== 1/3 Release build, tests and benchmark smoke run"
    configure_and_build build-test -DCMAKE_BUILD_TYPE=Release
    run_ctest build-test
    bench_smoke

    say "== 2/3 Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
    configure_and_build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DKINETRA_SANITIZE=ON -DKINETRA_BUILD_BENCH=OFF
    ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        run_ctest build-sanitize

    if ! can_fuzz; then
        [ -n "${CI:-}" ] && fail "clang cannot build the fuzz targets."
        say "== 3/3 Fuzzing skipped: clang cannot build libFuzzer targets here (packages clang, libclang-rt-dev)"
    else
        say "== 3/3 Fuzzing, $fuzz_seconds s a target (KINETRA_FUZZ_SECONDS)"
        CC=clang CXX=clang++ configure_and_build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKINETRA_FUZZ=ON \
            -DKINETRA_BUILD_APP=OFF -DKINETRA_BUILD_TESTS=OFF -DKINETRA_BUILD_BENCH=OFF
        # The targets run side by side, so that the machine's cores share the
        # fuzzing time instead of waiting for each other.
        local target name corpus log
        local -a names=() pids=() corpora=()
        for target in build-fuzz/fuzz/fuzz_*; do
            name=$(basename "$target")
            corpus=$(mktemp -d)
            cp fuzz/corpus/"${name#fuzz_}"/* "$corpus"/
            "$target" -max_total_time="$fuzz_seconds" -print_final_stats=1 \
                -artifact_prefix="build-fuzz/$name-" "$corpus" >"build-fuzz/$name.log" 2>&1 &
            names+=("$name")
            pids+=("$!")
            corpora+=("$corpus")
        done
        local i failed=""
        for i in "${!pids[@]}"; do
            name=${names[$i]}
            log="build-fuzz/$name.log"
            if wait "${pids[$i]}"; then
                say "$name: $(awk '/stat::number_of_executed_units/ {print $2}' "$log") executions, no failure"
            else
                tail -n 40 "$log"
                failed+=" $name"
            fi
            rm -rf "${corpora[$i]}"
        done
        [ -z "$failed" ] || fail "found a failure:$failed; the input is in build-fuzz/."
    fi
    say "All checks passed in $(duration $((SECONDS - started))), set-up included."
}

# --- Debian package -------------------------------------------------------------

build_package() {
    writable_build_dirs build-package
    install_groups build package --
    say "== Building the Debian package"
    configure_and_build build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
        -DKINETRA_BUILD_TESTS=OFF -DKINETRA_BUILD_BENCH=OFF
    rm -f build-package/kinetra_*.deb
    (cd build-package && cpack -G DEB >cpack.log 2>&1) || {
        tail -n 20 build-package/cpack.log >&2
        fail "cpack could not build the package (the whole output is in build-package/cpack.log)."
    }
    local deb
    deb=$(ls build-package/kinetra_*.deb)

    # Check what the package holds, as installed, with Debian's own tools.
    local tree
    tree=$(mktemp -d)
    dpkg-deb -x "$deb" "$tree"
    local path
    for path in usr/bin/kinetra usr/share/applications/kinetra.desktop \
        usr/share/icons/hicolor/128x128/apps/kinetra.png usr/share/man/man1/kinetra.1.gz \
        usr/share/doc/kinetra/copyright usr/share/mime/packages/kinetra.xml; do
        [ -e "$tree/$path" ] || fail "the package lacks /$path."
    done
    ls "$tree"/usr/share/metainfo/*.metainfo.xml >/dev/null 2>&1 || fail "the package lacks its AppStream metainfo."
    desktop-file-validate "$tree"/usr/share/applications/kinetra.desktop
    # The type of .kinetra files, as shared-mime-info reads it.
    update-mime-database "$tree"/usr/share/mime >"$tree/mime.log" 2>&1 \
        && grep -q '^50:application/x-kinetra:\*\.kinetra$' "$tree"/usr/share/mime/globs2 || {
        cat "$tree/mime.log" >&2
        fail "shared-mime-info does not read the type of .kinetra files."
    }
    appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml >"$tree/appstream.log" 2>&1 || {
        cat "$tree/appstream.log" >&2
        fail "appstreamcli rejects the metainfo."
    }
    rm -rf "$tree"
    say "Built $deb ($(($(stat -c %s "$deb") / 1024)) KiB); depends on: $(dpkg-deb -f "$deb" Depends)"
    say "As root, install it with:  apt install ./$deb"
}

# --- Code format ------------------------------------------------------------------

format_sources() {
    install_groups format --
    command -v git >/dev/null || fail "format needs git: it formats the C++ files git tracks."
    local files
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
    [ ${#files[@]} -gt 0 ] || fail "git lists no C++ file here."
    if [ "${1:-}" = --check ]; then
        clang-format --dry-run --Werror "${files[@]}" \
            || fail "some files are not formatted; run scripts/kinetra.sh format and commit the result."
        say "All ${#files[@]} C++ files are formatted."
    else
        clang-format -i "${files[@]}"
        say "Formatted ${#files[@]} C++ files."
    fi
}

command=${1:-}
case "$command" in
    run) run_app ;;
    test) run_tests ;;
    package) build_package ;;
    format) format_sources "${2:-}" ;;
    screen-reader) screen_reader ;;
    -h | --help | help) usage ;;
    *)
        usage >&2
        exit 2
        ;;
esac
