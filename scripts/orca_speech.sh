#!/bin/bash
# What the Orca screen reader says while a keyboard user works the window:
# the start, a calculation by Enter in a box, one by the focused "Calcular",
# one by Alt+C, a fault report that appears and is closed with Enter, Enter
# on the result once Alt+R has taken the focus there, the toggle action of
# "Quinta" as a screen reader calls it and Tab into the box it opens, and
# Tab through the tyre boxes and into the width box.
#
# Runs the window on a virtual X display with its own session bus and
# accessibility bus, and Orca with its debug log, which records every
# utterance even without a sound card. Not part of the test suite: it needs
# orca, speech-dispatcher, espeak-ng, xvfb, xdotool and python3-pyatspi
# (Debian packages).
#
#   scripts/orca_speech.sh [PROGRAM [OUTPUT_DIR]]
#
# PROGRAM defaults to build/app/kinetra; OUTPUT_DIR (default: a new temporary
# directory) receives orca-debug.log and speech.txt, the utterances of each
# step under a "### step" heading.
set -euo pipefail

program=$(realpath "${1:-build/app/kinetra}")
out=${2:-$(mktemp -d)}
mkdir -p "$out"
out=$(realpath "$out")

if [[ ${KINETRA_ORCA_INNER:-} != 1 ]]; then
    for tool in orca Xvfb xdotool dbus-run-session; do
        command -v "$tool" >/dev/null || { echo "needs $tool" >&2; exit 1; }
    done
    display=:$((90 + RANDOM % 100))
    Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null || true' EXIT
    sleep 1
    DISPLAY=$display KINETRA_ORCA_INNER=1 dbus-run-session -- "$0" "$program" "$out"
    echo "speech by step: $out/speech.txt"
    exit 0
fi

# Inside the session bus.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
export XDG_RUNTIME_DIR=$out/runtime && mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export HOME=$out/home && mkdir -p "$HOME"
log=$out/orca-debug.log
: >"$log"
: >"$out/speech.txt"

# Speech itself is off: with no sound card speech-dispatcher fails to open
# its audio and Orca then stalls on its second utterance. The debug log
# still records every utterance ("SPEECH OUTPUT: '...'"), which is what is
# wanted here. KINETRA_ORCA_FLAGS="" keeps speech on where there is sound.
read -r -a orca_flags <<<"${KINETRA_ORCA_FLAGS--d speech}"
orca --replace "${orca_flags[@]}" --user-prefs "$out/orca-prefs" --debug-file "$log" >"$out/orca.out" 2>&1 &
orca=$!
sleep 6

"$program" >"$out/program.out" 2>&1 &
app=$!
trap 'kill $app $orca 2>/dev/null || true' EXIT

# Orca writes its log through a buffer, so the utterances are sorted into
# steps by their time stamps once Orca has ended: a step is what was said
# from the end of the step before to the end of its own wait.
marks=$out/steps.tsv
: >"$marks"
now() { date +%H:%M:%S.%6N; }
since=$(now)
step() {
    sleep "${2:-5}"
    printf '%s\t%s\n' "$since" "$1" >>"$marks"
    since=$(now)
}
speech_by_step() {
    awk -F'\t' 'NR == FNR { start[NR] = $1; name[NR] = $2; n = NR; next }
        /SPEECH OUTPUT: / {
            stamp = substr($0, 1, 15)
            for (i = n; i >= 1 && start[i] > stamp; --i) {}
            if (i >= 1) said[i] = said[i] substr($0, index($0, "SPEECH OUTPUT: ")) "\n"
        }
        END { for (i = 1; i <= n; ++i) printf "### %s\n%s\n", name[i], said[i] }' "$marks" "$log" >"$out/speech.txt"
}
key() { xdotool key --delay 80 "$@"; }
# No window manager runs on the virtual display: the script gives the input
# focus to a newly shown window, as a window manager would, so that the
# toolkit marks it active and Orca follows it.
main_window=$(xdotool search --sync --onlyvisible --name "Kinetra Aceleración" | head -1)
focus_window() { xdotool windowfocus --sync "$1"; }
focus_newest() {
    sleep 1
    local window
    for window in $(xdotool search --onlyvisible --pid "$app"); do
        [[ $window != "$main_window" ]] && focus_window "$window"
    done
    return 0
}
type_text() { xdotool type --delay 40 -- "$1"; }
# What a screen reader does through the accessibility bus, not the keyboard
# (Debian's own Python, which has pyatspi, whatever python3 is first in PATH):
# "toggle NAME" runs the toggle action of the control called NAME, "focus
# NAME" gives it the focus.
atspi() {
    /usr/bin/python3 - "$1" "$2" <<'PY'
import sys
import pyatspi

what, name = sys.argv[1], sys.argv[2]

# A box shares its name with the label beside it: the box is the one whose
# text can be edited; a check box is one with actions.
def fits(node):
    try:
        node.queryEditableText() if what == "focus" else node.queryAction()
        return True
    except NotImplementedError:
        return False

def find(node):
    if node is None:
        return None
    if node.name == name and fits(node):
        return node
    for child in node:
        found = find(child)
        if found is not None:
            return found
    return None

app = next(a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Kinetra")
control = find(app)
if what == "toggle":
    action = control.queryAction()
    action.doAction(next(i for i in range(action.nActions) if action.getName(i).lower() == "toggle"))
else:
    control.queryComponent().grabFocus()
PY
}

focus_window "$main_window"
step "window shown" 5

# A small saloon, typed box by box in the order of the Tab key (Text10,
# Text13 to Text16 keep their defaults; Text19, Text23, Text24, the
# option buttons, the area boxes and Text28 stay as they are).
for value in 3.5 2.1 1.4 1.0 TAB TAB 4.1 0 28 TAB 1200 195 TAB TAB TAB TAB 65 15 TAB -0.006 0.9 60; do
    [[ $value != TAB ]] && type_text "$value"
    key Tab
    sleep 0.2
done
step "typing done (focus on Text23, N5)"

key shift+Tab
step "back to Text22 (C0)"
key Return
step "Enter in the C0 box"

tab_times() { for _ in $(seq "$2"); do key "$1"; sleep 0.15; done; }
tab_times Tab 8
step "tabbed to Calcular"
key Return
step "Enter on the focused Calcular"
key space
step "Space on the focused Calcular"

# A fault: the mass made negative, then "Calcular" by Space; the report
# names the mass box.
tab_times shift+Tab 19
step "back to the mass box (Text11)"
key ctrl+a
type_text "-1200"
tab_times Tab 19
step "tabbed to Calcular again"
key space
focus_newest
step "report shown" 4
key Return
sleep 1
[[ $(xdotool getwindowfocus) == "$main_window" ]] || focus_window "$main_window"
step "report closed" 4

# Where the focus now is, the mass is typed again, then Alt+C.
type_text "1200"
step "1200 typed"
key alt+c
step "Alt+C" 6

# Alt+R takes the focus to the result; Enter there calculates again, and the
# sentence must still be heard once, not twice.
key alt+r
step "Alt+R: the result"
key Return
step "Enter on the focused result" 6

# "Quinta" ticked by its accessible toggle action opens its ratio box, which
# Tab from "Cuarta" then reaches.
atspi focus "Cuarta"
step "focus on Cuarta (Text4)" 3
atspi toggle "Quinta: usar la marcha"
step "Quinta's toggle action" 4
key Tab
step "Tab from Cuarta: the Quinta box" 4

# The tyre boxes and the width box, each heard by its own name.
atspi focus "Pendiente (%)"
step "focus on Pendiente (Text16)" 3
key Tab
step "Tab: the tyre's aspect ratio (Text17)" 4
key Tab
step "Tab: the rim (Text18)" 4
atspi focus "Alto X Ancho: alto"
step "focus on the height (Text26)" 3
key Tab
step "Tab: the width (Text27)" 4

# The car's limits, each heard by its own caption within their group.
atspi focus "Régimen máximo"
step "focus on the red line (RedLine)" 3
key Tab
step "Tab: the launch speed (LaunchSpeed)" 4
step "(Orca catching up)" 8

kill "$app" 2>/dev/null || true
kill "$orca" 2>/dev/null || true
wait "$orca" 2>/dev/null || true
speech_by_step
