# What the sound benchmarks share; each sources it from the build's bin folder.
#
# bench_start DISPLAY starts a private PulseAudio server with a null sink named
# "bench" (48 kHz float; it never rewinds, so that its monitor passes each
# sample on once, when it is mixed), a private X display and the real program
# playing into them. It sets work (a private folder for recordings) and
# DISPLAY; everything it started, and every process in busy, ends with the
# script.
#
# bench_busy starts a busy loop on each of two cores (into busy);
# bench_calm ends them.

bench_bin=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
pids=()
busy=()

bench_cleanup() {
    for pid in "${busy[@]}" "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}

bench_start() {
    work=$(mktemp -d)
    chmod 700 "$work"
    export XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home"
    mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
    trap bench_cleanup EXIT INT TERM
    pulseaudio --daemonize=no --exit-idle-time=-1 -n \
        -L "module-null-sink sink_name=bench rate=48000 format=float32le norewinds=1" \
        -L module-native-protocol-unix >"$work/pulse.log" 2>&1 &
    pids+=($!)
    Xvfb "$1" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    export DISPLAY="$1"
    for _ in $(seq 50); do
        pactl info >/dev/null 2>&1 && xdotool getmouselocation >/dev/null 2>&1 && break
        sleep 0.1
    done
    pactl info >/dev/null
    SDL_AUDIODRIVER=pulseaudio "$bench_bin/kordelix" >"$work/kordelix.log" 2>&1 &
    pids+=($!)
}

bench_busy() {
    for _ in 1 2; do
        sh -c 'while :; do :; done' &
        busy+=($!)
    done
}

bench_calm() {
    for pid in "${busy[@]}"; do kill "$pid" 2>/dev/null || true; done
    busy=()
}

# The stream's buffer and the sink's latency as the server reports them, on
# one line.
server_latency() {
    pactl list sink-inputs | sed -n 's/^\s*\(Buffer\|Sink\) Latency: \([0-9]*\) usec.*/\1 \2/p' |
        awk '{ printf "%s latency %.1f ms  ", tolower($1), $2 / 1000 } END { print "" }'
}
