#!/bin/sh
# Measures the metronome's beat as a listener would hear it. Starts a private
# PulseAudio daemon with a null sink and a private X display, runs the real
# program on them, opens the metronome from the main menu, types each tempo,
# presses "Start/Stop", records the sink's monitor and measures the clicks.
#
#   metronome_bench.sh [tempo ...]      (default: 120 240 399)
#
# Environment: BENCH_DISPLAY (default :44), BENCH_BEATS (default 70), BENCH_KEEP
# (a folder to keep the recordings in).
# Needs pulseaudio, pulseaudio-utils (parecord), Xvfb and xdotool.
set -eu

bin=$(cd "$(dirname "$0")" && pwd)
display=${BENCH_DISPLAY:-:44}
beats=${BENCH_BEATS:-70}
tempos=${*:-120 240 399}

work=$(mktemp -d)
chmod 700 "$work"
export XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
pids=""
cleanup() {
    for pid in $pids; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

pulseaudio --daemonize=no --exit-idle-time=-1 -n \
    -L "module-null-sink sink_name=bench rate=48000" -L module-native-protocol-unix \
    >"$work/pulse.log" 2>&1 &
pids="$pids $!"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids="$pids $!"
export DISPLAY="$display"
for _ in $(seq 50); do
    pactl info >/dev/null 2>&1 && xdotool getmouselocation >/dev/null 2>&1 && break
    sleep 0.1
done
pactl info >/dev/null

SDL_AUDIODRIVER=pulseaudio "$bin/kordelix" >"$work/kordelix.log" 2>&1 &
pids="$pids $!"

# Clicks at a point given relative to the client area of the named window.
click_in() {
    window=$(xdotool search --sync --name "^$1\$" | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + $2)) $((Y + $3)) click 1
}

click_in Kordelix 140 106 # "- Metronome"
sleep 1
for tempo in $tempos; do
    period=$(( (60000 + tempo / 2) / tempo ))
    click_in Metronome 250 27 # the tempo box
    xdotool key ctrl+a type "$tempo"
    parecord --device=bench.monitor --format=s16le --rate=48000 --channels=1 --raw \
        "$work/tempo-$tempo.raw" &
    recorder=$!
    sleep 0.5
    click_in Metronome 170 75 # "Start/Stop"
    sleep "$(awk "BEGIN { print ($beats * $period + 300) / 1000 }")"
    click_in Metronome 170 75
    sleep 0.5
    kill "$recorder"
    wait "$recorder" 2>/dev/null || true
    "$bin/metronome_onsets" "$tempo" "$work/tempo-$tempo.raw"
    if [ -n "${BENCH_KEEP:-}" ]; then cp "$work/tempo-$tempo.raw" "$BENCH_KEEP/"; fi
done
