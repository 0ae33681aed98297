# What the sound benchmarks share; each sources it from the build's bin folder,
# where the build also puts a copy of tools/xdriver.sh.
#
# bench_start starts a private sound server with a null sink named "bench"
# (PulseAudio, see xd_start_pulse, or with BENCH_SERVER=pipewire PipeWire with
# its PulseAudio service, see xd_start_pipewire), a virtual X screen and the
# real program playing into them, and waits for the program's main menu, whose
# id goes to main. It sets work (a private folder for recordings); everything
# it started, and every load, ends with the script.
#
# bench_load LOAD starts a load on the machine: quiet (none), build (a busy
# loop on each of two cores, sha256sum at normal priority, and a build of the
# project at nice 10 with four jobs, started again whenever it ends) or four
# (four busy loops). bench_calm ends it.
#
# bench_machine_latency SECONDS prints how late a realtime thread of the
# machine's own woke during those seconds (cyclictest at SCHED_FIFO 80 on each
# core, waking every millisecond): no program's sound on this machine can
# answer more promptly than that. Nothing where it may not run realtime or
# cyclictest (rt-tests) is missing.
#
# bench_raised COMMAND... runs a command at raised priority (SCHED_FIFO where
# it may, else nice -10 where it may), so that a recorder measures the output
# rather than its own starvation.

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
    case "${BENCH_SERVER:-pulse}" in
    pulse) xd_start_pulse bench "$work/pulse" ;;
    pipewire) xd_start_pipewire bench "$work/pipewire" ;;
    *) echo "BENCH_SERVER is pulse or pipewire" >&2 && exit 2 ;;
    esac
    echo "sound server: $(pactl info | sed -n 's/^Server Name: //p')"
    xd_start_display
    xd_start_program "$bench_bin/kordelix"
    main=$(xd_wait_window Kordelix 20)
}

bench_busy_loops() {
    local i
    for ((i = 0; i < $1; ++i)); do
        sha256sum /dev/zero &
        busy+=($!)
    done
}

# The project built from scratch in the bench's folder without the compiler
# cache, again and again, in a process group of its own.
bench_build() {
    local source
    source=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$bench_bin/../CMakeCache.txt")
    setsid bash -c "cd '$work' && cmake -S '$source' -B build-load -DCMAKE_CXX_COMPILER_LAUNCHER= \
        -DKORDELIX_BENCH=OFF >/dev/null && while :; do
            nice -n 10 make -C build-load -j4 >/dev/null 2>&1; make -C build-load clean >/dev/null
        done" &
    busy+=(-$!)
}

bench_load() {
    case "$1" in
    quiet) ;;
    build) bench_busy_loops 2 && bench_build ;;
    four) bench_busy_loops 4 ;;
    *) echo "unknown load $1 (quiet, build, four)" >&2 && exit 2 ;;
    esac
}

bench_calm() {
    for pid in "${busy[@]}"; do
        kill -- "$pid" 2>/dev/null || true
        wait "${pid#-}" 2>/dev/null || true
    done
    busy=()
}

bench_machine_latency() {
    if command -v cyclictest >/dev/null && chrt -f 80 true 2>/dev/null; then
        cyclictest -q -m -p 80 -t 2 -a -i 1000 -D "$1" 2>/dev/null |
            awk '/^T:/ && $NF > worst { worst = $NF }
                END { printf "machine: a realtime thread woke up to %.1f ms late\n", worst / 1000 }'
    fi
}

bench_raised() {
    if chrt -f 10 true 2>/dev/null; then
        chrt -f 10 "$@"
    elif nice -n -10 true 2>/dev/null; then
        nice -n -10 "$@"
    else
        "$@"
    fi
}

# The program's streams' buffers and the sink's latency as the server reports
# them, on one line.
server_latency() {
    pactl list sink-inputs | sed -n 's/^\s*\(Buffer\|Sink\) Latency: \([0-9]*\) usec.*/\1 \2/p' |
        awk '{ printf "%s latency %.1f ms  ", tolower($1), $2 / 1000 } END { print "" }'
}
