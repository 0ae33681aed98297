#!/usr/bin/env bash
# Measures the time from a key press to the first sample of the note it plays,
# and the longest silence inside each note. Starts a private sound server
# (BENCH_SERVER: pulse or pipewire) with a null sink and a virtual X screen,
# runs the real program on them, opens the note table from the main menu (its
# fretboard has the keyboard, on the open high E string) and presses Space
# BENCH_PRESSES times while sound_latency watches the sink's monitor. Three
# runs: presses 2 s apart, while the output is still open from the last note;
# presses 3 s apart, each after the output has closed (it closes 0.8 s after
# the last sound) and must open again; and the first again under BENCH_LOAD
# (quiet, build or four, see bench_load; default build). The server's own figures for the program's stream (its buffer and
# the sink's latency) are printed once during the first run, and after each run
# how late the machine's own realtime thread woke meanwhile.
#
#   sound_bench.sh            (from the build's bin folder)
#
# Environment: BENCH_PRESSES (default 20), BENCH_SERVER, BENCH_LOAD.
# Needs pulseaudio (or pipewire, pipewire-pulse and wireplumber),
# pulseaudio-utils (parec, pactl), Xvfb and xdotool.
set -eu

bin=$(cd "$(dirname "$0")" && pwd)
presses=${BENCH_PRESSES:-20}

source "$bin/sound_bench_lib.sh"
bench_start

# The main menu's "Note table" label, found in the layout table beside the program.
xd_click_control "$main" frmMain lblNoteTable
notes=$(xd_wait_window "Note table" 20)
xdotool windowfocus --sync "$notes"

# One run of presses GAP_MS apart: run NAME GAP_MS
run() {
    echo "== $1: $presses presses of Space, $2 ms apart"
    local reporter="" machine
    bench_machine_latency $(($presses * $2 / 1000)) >"$work/machine" &
    machine=$!
    if [[ $1 == quiet ]]; then
        (sleep 5 && echo "server: $(server_latency)") &
        reporter=$!
    fi
    # parec ends on its next write once sound_latency has ended (quietly).
    bench_raised parec --raw --device=bench.monitor --latency-msec=5 --format=float32le --channels=1 2>/dev/null \
        --rate=48000 | "$bin/sound_latency" "$presses" "$2" space |
        awk '/^press/ { each = each " " $3 } !/^press/ { print } END { print "each (ms):" each }' 
    if [[ -n "$reporter" ]]; then wait "$reporter"; fi
    wait "$machine"
    cat "$work/machine"
}

run quiet 2000
run cold 3000
bench_load "${BENCH_LOAD:-build}"
run "${BENCH_LOAD:-build}" 2000
