#!/usr/bin/env bash
# Start-up time and memory of Kordelix on a virtual X screen:
#   bench/startup/startup.sh [BUILD_DIR] [RUNS]
# Launches the real program and a bare Qt window RUNS times each (default 10),
# times each from launch until its window is mapped, and prints both medians,
# their ratio, and the resident memory with every window open.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(realpath "${1:-$root/build}")"
runs="${2:-10}"
source "$root/tools/xdriver.sh"
xd_load_layout "$build/bin"
trap xd_stop EXIT
xd_start_display

now_ms() { date +%s%3N; }

# Milliseconds from launch until a window with the caption is mapped.
time_to_map() { # PROGRAM CAPTION
    local start end pid runtime
    runtime="$(mktemp -d)"
    chmod 700 "$runtime"
    start="$(now_ms)"
    XDG_RUNTIME_DIR="$runtime" SDL_AUDIODRIVER=dummy "$1" >"$runtime/log" 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; do
        if ! kill -0 "$pid" 2>/dev/null || (($(now_ms) - start > 20000)); then
            echo "$1 did not map a window \"$2\":" >&2; cat "$runtime/log" >&2
            exit 1
        fi
    done
    end="$(now_ms)"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    rm -rf "$runtime"
    echo $((end - start))
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

kordelix=() bare=()
for _ in $(seq 1 "$runs"); do
    kordelix+=("$(time_to_map "$build/bin/kordelix" Kordelix)")
    bare+=("$(time_to_map "$build/bin/bench_bare_window" "Bare window")")
done
k="$(printf '%s\n' "${kordelix[@]}" | median)"
b="$(printf '%s\n' "${bare[@]}" | median)"
echo "launch to mapped window, $runs runs each (ms):"
echo "  kordelix:    ${kordelix[*]}  median $k"
echo "  bare window: ${bare[*]}  median $b"
echo "  ratio:       $(awk -v k="$k" -v b="$b" 'BEGIN {printf "%.2f", k / b}')"

# Resident memory with the main menu, the three tools and the About window open.
xd_start_program "$build/bin/kordelix"
main="$(xd_wait_window Kordelix)"
# Each tool opens centred, over the main menu: move it aside before the next.
open_tool() { # CONTROL CAPTION
    xd_click_control "$main" frmMain "$1"
    xdotool windowmove "$(xd_wait_window "$2")" 0 0
}
open_tool lblChord "Chord finder"
open_tool lblNoteTable "Note table"
open_tool lblMetronome Metronome
xd_click_control "$main" frmMain lblAbout
xd_wait_window Form1 >/dev/null
sleep 0.5
rss="$(awk '/VmRSS/ {print $2}' "/proc/$XD_PROGRAM_PID/status")"
bare_rss() {
    "$build/bin/bench_bare_window" >/dev/null 2>&1 &
    local pid=$!
    xd_wait_window "Bare window" >/dev/null
    sleep 0.5
    awk '/VmRSS/ {print $2}' "/proc/$pid/status"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}
echo "resident memory with every window open: $((rss / 1024)) MB (bare window: $(($(bare_rss) / 1024)) MB)"
