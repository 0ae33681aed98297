#!/usr/bin/env bash
# The metronome survives its sound server: while it runs at 120, the private
# PulseAudio server is killed and started again, and later its only sink is
# removed and added again. Each time the beats are heard again within 2 s of
# the server (or sink) being back, "Start/Stop" stays switched on and the
# sound's name shows no error.
#
# The beats are recorded from the null sink's monitor by a recorder started
# once the server is back, so that a click within the first 2 s of the
# recording sounded within 2 s of the restart or later, never earlier: the
# check is never stricter than that. Skipped (exit 77) when PulseAudio is not
# installed.
source "$(dirname "$0")/e2e_lib.sh"

skip_without_pulseaudio

BEAT_MS=500    # 120 beats a minute
HEARD_BY_MS=2000
LISTEN_MS=3000 # long enough for several beats after the first

recorded_ms() {
    echo $(($(stat -c %s "$1" 2>/dev/null || echo 0) / 8 * 1000 / 48000))
}

# Records the sink's monitor (two channels of 32-bit float, as the probe reads
# the output) for LISTEN_MS of sound and prints the clicks heard, in ms of
# the recording: clicks_heard FILE
clicks_heard() {
    local deadline=$((SECONDS + CHANGE_TIMEOUT + LISTEN_MS / 1000))
    parecord --device=e2e.monitor --latency-msec=10 --format=float32le --channels=2 \
        --rate=48000 --raw "$1" &
    E2E_RECORDER_PID=$!
    until (($(recorded_ms "$1") >= LISTEN_MS)); do
        ((SECONDS <= deadline)) || fail "the recorder recorded $(recorded_ms "$1") ms"
        sleep 0.1
    done
    e2e_stop_recorder
    "$PROBE" onsets "$1" $((BEAT_MS / 3)) | paste -sd' '
}

# The first click of a recording came within HEARD_BY_MS, and the metronome
# still shows itself running without an error: check_back WHAT FILE
check_back() {
    local clicks
    clicks=($(clicks_heard "$2"))
    echo "# clicks after the $1 (ms): ${clicks[*]}"
    ((${#clicks[@]} >= 3)) || fail "after the $1 only ${#clicks[@]} clicks were heard"
    awk -v first="${clicks[0]}" -v by=$HEARD_BY_MS 'BEGIN { exit !(first <= by) }' ||
        fail "after the $1 the first click came at ${clicks[0]} ms"
    pass "after the $1 the beats are heard again within $HEARD_BY_MS ms"
    expect_eq "after the $1 \"Start/Stop\" is still on" \
        "$(label_state "$metronome" frmMetronome lblStartStop)" on
    expect_eq "after the $1 the sound's name is unchanged" \
        "$("$PROBE" differ "$name_before" "$(shot "$metronome")" \
            $(control frmMetronome lblExp))" 0
}

xd_start_pulse e2e "$WORK/pulse" "$WINDOW_TIMEOUT" || fail "the sound server did not start"
start_kordelix
metronome="$(open_tool Metronome lblMetronome 900 20)"
type_tempo "$metronome" 120
xd_click_control "$metronome" frmMetronome lblStartStop
wait_for "\"Start/Stop\" turns green" on label_state "$metronome" frmMetronome lblStartStop
name_before="$(shot "$metronome")"
clicks=($(clicks_heard "$WORK/before.raw"))
((${#clicks[@]} >= 3)) || fail "before the restart only ${#clicks[@]} clicks were heard"
pass "the metronome is heard"

xd_restart_pulse "$WINDOW_TIMEOUT" || fail "the sound server did not start again"
check_back "server restart" "$WORK/restarted.raw"

module="$(pactl list short modules | awk '$2 == "module-null-sink" { print $1 }')"
pactl unload-module "$module"
sleep 1
pactl load-module module-null-sink sink_name=e2e rate=48000 format=float32le norewinds=1 \
    >/dev/null || fail "the sink could not be added again"
check_back "sink came back" "$WORK/sink.raw"
