#!/usr/bin/env bash
# Measures the metronome's beat as a listener would hear it. Starts a private
# PulseAudio daemon with a null sink and a private X display, runs the real
# program on them, opens the metronome from the main menu, types each tempo,
# presses "Start/Stop", records the sink's monitor and measures the clicks;
# every tempo once on a quiet machine and once with a busy loop on each core.
# Then, while running, it drags the slider from 180 to 120 over 4 s and
# measures the longest gap and how the beats after the drag keep the new grid.
#
#   metronome_bench.sh [tempo ...]      (default: 60 120 240 399)
#
# Environment: BENCH_DISPLAY (default :44), BENCH_BEATS (default 120),
# BENCH_KEEP (a folder to keep the recordings in).
# Needs pulseaudio, pulseaudio-utils (parecord), Xvfb and xdotool. Controls are
# found by name in the layout table the build writes beside the program.
set -eu

bin=$(cd "$(dirname "$0")" && pwd)
display=${BENCH_DISPLAY:-:44}
beats=${BENCH_BEATS:-120}
tempos=${*:-60 120 240 399}

source "$bin/sound_bench_lib.sh"
bench_start "$display"

source "$bin/layout-table.sh"

# Moves the pointer to a point DX, DY from the top-left corner of a control,
# found by its window's caption and object name and its own name:
# point_at CAPTION WINDOW_NAME CONTROL DX DY
point_at() {
    local window rect
    window=$(xdotool search --sync --name "^$1\$" | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$window")"
    rect=(${XD_LAYOUT["$2/$3"]})
    xdotool mousemove $((X + rect[0] + $4)) $((Y + rect[1] + $5))
}

# Clicks the middle of a control: click_control CAPTION WINDOW_NAME CONTROL
click_control() {
    local rect=(${XD_LAYOUT["$2/$3"]})
    point_at "$1" "$2" "$3" $((rect[2] / 2)) $((rect[3] / 2))
    xdotool click 1
}

click_control Kordelix frmMain lblMetronome
sleep 1

# Records the sink's monitor to $work/$1.raw while the rest of the arguments run.
record() {
    name=$1
    shift
    parecord --device=bench.monitor --format=s16le --rate=48000 --channels=1 --raw \
        "$work/$name.raw" &
    recorder=$!
    sleep 1 # parecord takes a while to connect on a loaded machine
    "$@"
    sleep 0.5
    kill "$recorder"
    wait "$recorder" 2>/dev/null || true
    if [ -n "${BENCH_KEEP:-}" ]; then cp "$work/$name.raw" "$BENCH_KEEP/"; fi
}

run_tempo() {
    click_control Metronome frmMetronome lblStartStop
    sleep "$(awk "BEGIN { print ($beats * $period + 300) / 1000 }")"
    # The output's latency as the sound server reports it, once per run.
    server_latency >&2
    click_control Metronome frmMetronome lblStartStop
}

for load in quiet busy; do
    if [ "$load" = busy ]; then
        bench_busy
    fi
    for tempo in $tempos; do
        period=$(( (60000 + tempo / 2) / tempo ))
        click_control Metronome frmMetronome txtValue
        xdotool key ctrl+a type "$tempo"
        record "$load-$tempo" run_tempo
        printf '%-5s ' "$load"
        "$bin/metronome_onsets" "$tempo" "$work/$load-$tempo.raw"
    done
done
bench_calm

# The slider at 180 (150 pixels along its bar), started, then dragged a pixel
# at a time to 120 (90 pixels along) over 4 s, then 12 beats.
drag() {
    click_control Metronome frmMetronome txtValue
    xdotool key ctrl+a type 180
    click_control Metronome frmMetronome lblStartStop
    sleep 2
    point_at Metronome frmMetronome imgSlider 150 10
    xdotool mousedown 1
    for offset in $(seq 149 -1 90); do
        point_at Metronome frmMetronome imgSlider "$offset" 10
        sleep 0.066
    done
    xdotool mouseup 1
    dragged=$(date +%s%N)
    sleep 6.3
    click_control Metronome frmMetronome lblStartStop
}
started=$(date +%s%N)
record drag drag
# The recording starts with $started; beats from 1 s after the
# drag ended count as settled.
"$bin/metronome_onsets" --drag 180 120 "$work/drag.raw" \
    "$(awk "BEGIN { print ($dragged - $started) / 1e6 + 1000 }")"
