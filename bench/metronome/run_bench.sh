#!/usr/bin/env bash
# Measures the metronome's beat as a listener would hear it. Starts a private
# sound server with a null sink and a virtual X screen, runs the real program
# on them, opens the metronome from the main menu, types each tempo, presses
# "Start/Stop", records the sink's monitor (at raised priority) and measures
# the clicks, under each load in turn: their period and jitter, and each
# click against the tempo's grid (largest deviation, beats off by more than
# 1 ms, drift). Then, on the quiet machine, it drags the slider from 180 to
# 120 over 4 s while running and measures the longest gap and how the beats
# after the drag keep the new grid.
#
#   metronome_bench.sh [tempo ...]      (default: 60 120 240 399)
#
# Environment: BENCH_SERVER (pulse or pipewire; default pulse), BENCH_LOADS
# (any of quiet, build, four, see bench_load; default "quiet four"),
# BENCH_SECONDS (each run's length; default BENCH_BEATS beats), BENCH_BEATS
# (default 120), BENCH_KEEP (a folder to keep the recordings in),
# BENCH_BEATS_PER_BAR (2 to 7: the first beat of each bar accented, chosen in
# the window's menu before the runs). Each run also prints how late the
# machine's own realtime thread woke meanwhile (see bench_machine_latency).
# Needs pulseaudio or pipewire, pipewire-pulse and wireplumber,
# pulseaudio-utils (parecord), Xvfb and xdotool. Controls are found by name in
# the layout table the build writes beside the program.
set -eu

bin=$(cd "$(dirname "$0")" && pwd)
beats=${BENCH_BEATS:-120}
tempos=${*:-60 120 240 399}

source "$bin/sound_bench_lib.sh"
bench_start

xd_click_control "$main" frmMain lblMetronome
metronome=$(xd_wait_window Metronome 20)
if [ -n "${BENCH_BEATS_PER_BAR:-}" ]; then
    # A right click on the background; the first Down reaches "No accent".
    xd_click "$metronome" 60 70 3
    sleep 0.5
    xdotool key --delay 50 $(printf 'Down %.0s' $(seq "$BENCH_BEATS_PER_BAR")) Return
fi

# Clicks the middle of one of the metronome's controls: click CONTROL
click() {
    xd_click_control "$metronome" frmMetronome "$1"
}

# Records the sink's monitor to $work/$1.raw while the rest of the arguments run.
record() {
    name=$1
    shift
    bench_raised parecord --device=bench.monitor --format=s16le --rate=48000 --channels=1 --raw \
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
    click lblStartStop
    sleep "${BENCH_SECONDS:-$(awk "BEGIN { print ($beats * $period + 300) / 1000 }")}"
    # The output's latency as the sound server reports it, once per run.
    server_latency >&2
    click lblStartStop
}

for load in ${BENCH_LOADS:-quiet four}; do
    bench_load "$load"
    for tempo in $tempos; do
        period=$(( (60000 + tempo / 2) / tempo ))
        click txtValue
        xdotool key ctrl+a type "$tempo"
        bench_machine_latency "${BENCH_SECONDS:-$((beats * period / 1000))}" >"$work/machine" &
        machine=$!
        record "$load-$tempo" run_tempo
        wait "$machine"
        printf '%-5s ' "$load"
        "$bin/metronome_onsets" "$tempo" "$work/$load-$tempo.raw"
        printf '%-5s ' "$load"
        "$bin/metronome_onsets" --grid "$tempo" "$work/$load-$tempo.raw"
        cat "$work/machine"
    done
    bench_calm
done
bench_calm

# The slider at 180 (150 pixels along its bar), started, then dragged a pixel
# at a time to 120 (90 pixels along) over 4 s, then 12 beats.
drag() {
    click txtValue
    xdotool key ctrl+a type 180
    click lblStartStop
    sleep 2
    local origin bar x y
    origin=($(xd_window_origin "$metronome"))
    bar=($(xd_control frmMetronome imgSlider))
    x=$((origin[0] + bar[0]))
    y=$((origin[1] + bar[1] + 10))
    xd_pointer_to $((x + 150)) "$y"
    xdotool mousedown 1
    for offset in $(seq 149 -1 90); do
        xd_pointer_to $((x + offset)) "$y"
        sleep 0.066
    done
    xdotool mouseup 1
    dragged=$(date +%s%N)
    sleep 6.3
    click lblStartStop
}
started=$(date +%s%N)
record drag drag
# The recording starts with $started; beats from 1 s after the
# drag ended count as settled.
"$bin/metronome_onsets" --drag 180 120 "$work/drag.raw" \
    "$(awk "BEGIN { print ($dragged - $started) / 1e6 + 1000 }")"
