#!/usr/bin/env bash
# Notes and chords as heard: a double-click on the open high E string in the
# note table plays one E4, and a double-click on C major in the chord finder
# strums its five strings from the lowest up, 30 ms apart.
#
# The program plays through a private PulseAudio server into a null sink whose
# monitor parecord records (32-bit float, one channel, 48 000 frames a second),
# so the sound is read as the program hands it to a real sound server. Skipped
# (exit 77) when PulseAudio is not installed.
source "$(dirname "$0")/e2e_lib.sh"

skip_without_pulseaudio

SOUND_RATE=48000    # frames a second of the sink xd_start_pulse makes
NOTE_LISTEN_MS=2500 # a note lasts 1.5 s; anything played after it shows too
PITCH_SLACK=0.01    # a pitch may be this far off, as a fraction
# Strings of C major (x32010) from the lowest played up: C3 E3 G3 C4 E4.
C_MAJOR_PITCHES=(130.81 164.81 196.00 261.63 329.63)
STRUM_MIN_MS=20
STRUM_MAX_MS=40

RECORDER_PID=""

# Ends a recorder still running; e2e_finish ends the sound server.
stop_recorder() {
    local status=$?
    set +e
    [[ -n "$RECORDER_PID" ]] && kill "$RECORDER_PID" 2>/dev/null
    (exit "$status")
    e2e_finish
}
trap stop_recorder EXIT

xd_start_pulse e2e "$WORK/pulse" "$WINDOW_TIMEOUT" || fail "the sound server did not start"

# Milliseconds of sound in a recording.
recorded_ms() {
    echo $(($(stat -c %s "$1" 2>/dev/null || echo 0) / 4 * 1000 / SOUND_RATE))
}

# Starts recording the null sink into a file and waits until it holds some
# quiet: record FILE. The recorder asks for a short latency, which the null
# sink then works with too; otherwise an idle null sink mixes two seconds at a
# time.
record() {
    local deadline=$((SECONDS + CHANGE_TIMEOUT))
    parecord --device=e2e.monitor --latency-msec=10 --format=float32le --channels=1 \
        --rate=$SOUND_RATE --raw "$1" &
    RECORDER_PID=$!
    until (($(recorded_ms "$1") >= 200)); do
        ((SECONDS <= deadline)) || fail "parecord recorded nothing"
        sleep 0.05
    done
}

# Waits until the recording holds a note and NOTE_LISTEN_MS after its start,
# stops the recorder and puts each note heard, "start_ms pitch_hz", into
# HEARD: listen FILE
listen() {
    local deadline=$((SECONDS + CHANGE_TIMEOUT)) first="" text
    while [[ -z "$first" ]]; do
        ((SECONDS <= deadline)) || fail "nothing was heard within $CHANGE_TIMEOUT s"
        sleep 0.2
        # The last note may be cut off while it is being recorded.
        first="$("$PROBE" notes "$1" 2>/dev/null | awk 'NR == 1 { print $1 }')" || first=""
    done
    deadline=$((SECONDS + CHANGE_TIMEOUT))
    while (($(recorded_ms "$1") < ${first%.*} + NOTE_LISTEN_MS)); do
        ((SECONDS <= deadline)) || fail "the recording stalled"
        sleep 0.2
    done
    kill "$RECORDER_PID"
    wait "$RECORDER_PID" 2>/dev/null || true
    RECORDER_PID=""
    text="$("$PROBE" notes "$1")" || fail "the recording could not be measured"
    mapfile -t HEARD <<<"$text"
    echo "# heard (start ms, pitch Hz): ${HEARD[*]}"
}

# "yes" when each measured pitch lies within PITCH_SLACK of the expected one,
# in the same order: pitches_match "MEASURED..." "EXPECTED..."
pitches_match() {
    awk -v measured="$1" -v expected="$2" -v slack=$PITCH_SLACK 'BEGIN {
        n = split(measured, m); if (n != split(expected, e)) { print "no"; exit }
        for (i = 1; i <= n; i++) if (m[i] < e[i] * (1 - slack) || m[i] > e[i] * (1 + slack)) { print "no"; exit }
        print "yes" }'
}

start_kordelix

# The note table: one E4 from the open high E string.
notes="$(open_tool "Note table" lblNoteTable 0 0)"
record "$WORK/note.raw"
xd_click_control "$notes" frmNoteTable 'E(0)' 1 2
listen "$WORK/note.raw"
expect_eq "a double-click on the open high E string plays one note" "${#HEARD[@]}" 1
expect_eq "the note is E4, 329.63 Hz" "$(pitches_match "${HEARD[0]#* }" 329.63)" yes

# The chord finder opens on the first chord of the file, which the pitches
# below take to be C major.
mapfile -t chords < <(chord_lines "$BIN/ChordData.txt" '!C')
first="${chords[0]:-}"
name="${first:19:10}"
[[ "$(chord_group "$first")/${name%% *}/${first:30:17}" == "Major/C/00 01 00 02 03 -1" ]] ||
    fail "the chord file does not start with C major (x32010): [$first]"
chord="$(open_tool "Chord finder" lblChord 0 640)"
wait_for "the chord finder shows C major" "$(chord_board_of "$first")" chord_board "$chord"
read -r top bottom < <(selected_row "$chord" lstChord) || true
[[ -n "${bottom:-}" ]] || fail "no chord is selected"
record "$WORK/strum.raw"
xd_click_inside "$chord" frmChord lstChord 40 $(((top + bottom) / 2)) 1 2
listen "$WORK/strum.raw"
expect_eq "a double-click on C major strums five strings" "${#HEARD[@]}" 5
spacings="$(printf '%s\n' "${HEARD[@]}" | awk 'NR > 1 { printf "%s%.0f", sep, $1 - last; sep = " " }
    { last = $1 }')"
expect_eq "the strings sound $STRUM_MIN_MS to $STRUM_MAX_MS ms apart (got $spacings)" \
    "$(awk -v s="$spacings" -v lo=$STRUM_MIN_MS -v hi=$STRUM_MAX_MS 'BEGIN {
        n = split(s, d); for (i = 1; i <= n; i++) if (d[i] < lo || d[i] > hi) { print "no"; exit }
        print "yes" }')" yes
expect_eq "the strings sound from C3 up: C3 E3 G3 C4 E4" \
    "$(pitches_match "$(printf '%s\n' "${HEARD[@]}" | cut -d' ' -f2 | paste -sd' ')" \
        "${C_MAJOR_PITCHES[*]}")" yes
