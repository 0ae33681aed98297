# What the sound benchmarks share; each sources it from the build's bin folder,
# where the build also puts a copy of tools/xdriver.sh.
#
# bench_start starts a private PulseAudio server with a null sink named
# "bench" (see xd_start_pulse), a virtual X screen and the real program playing
# into them, and waits for the program's main menu, whose id goes to main. It
# sets work (a private folder for recordings); everything it started, and
# every process in busy, ends with the script.
#
# bench_busy starts a busy loop on each of two cores (into busy);
# bench_calm ends them.

bench_bin=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=../tools/xdriver.sh
source "$bench_bin/xdriver.sh"
busy=()

bench_cleanup() {
    bench_calm
    xd_stop
    rm -rf "$work"
}

bench_start() {
    work=$(mktemp -d)
    trap bench_cleanup EXIT
    trap 'exit 1' INT TERM
    xd_load_layout "$bench_bin"
    xd_start_pulse bench "$work/pulse"
    xd_start_display
    xd_start_program "$bench_bin/kordelix"
    main=$(xd_wait_window Kordelix 20)
}

bench_busy() {
    for _ in 1 2; do
        sh -c 'while :; do :; done' &
        busy+=($!)
    done
}

bench_calm() {
    for pid in "${busy[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    busy=()
}

# The stream's buffer and the sink's latency as the server reports them, on
# one line.
server_latency() {
    pactl list sink-inputs | sed -n 's/^\s*\(Buffer\|Sink\) Latency: \([0-9]*\) usec.*/\1 \2/p' |
        awk '{ printf "%s latency %.1f ms  ", tolower($1), $2 / 1000 } END { print "" }'
}
