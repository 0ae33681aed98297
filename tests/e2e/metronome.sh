#!/usr/bin/env bash
# The metronome as heard: a typed tempo of 300 gives a click every 200 ms in the
# sound the program writes, "Start/Stop" silences it, and a click sound whose
# file is missing stops it.
#
# SDL's disk driver writes the output (32-bit float, two channels, 48 000
# frames a second) to a file instead of a sound card, pacing itself by sleeping
# between buffers. On a busy machine it writes by fits, anywhere from a quarter
# to three times real time over a tenth of a second, and the program places
# each click by the clock, so single gaps between clicks in the file wander by
# tens of milliseconds. What such a machine does not blur is the mean beat over
# some seconds: the frames from the first to the last click of a stretch of
# real time, converted to time at the rate the file grew over that stretch.
source "$(dirname "$0")/e2e_lib.sh"

FRAME_BYTES=8
BEAT_MS=200      # 60 000 ms / 300 beats
LISTEN_MS=6000   # the stretch of real time, 30 beats
BEAT_SLACK_MS=20 # how far the mean beat may be off: the file's bursts at either end
                 # of the stretch blur its rate by a few per cent

sound="$WORK/clicks.raw"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$sound"

file_size() { stat -c %s "$sound" 2>/dev/null || echo 0; }
now_us() { echo "${EPOCHREALTIME/./}"; }

# Waits until the sound file holds at least a given number of bytes.
wait_size() {
    local deadline=$((SECONDS + CHANGE_TIMEOUT))
    while (($(file_size) < $1)); do
        ((SECONDS <= deadline)) || fail "the program wrote no sound for $CHANGE_TIMEOUT s"
        sleep 0.02
    done
}

# Opens the sound menu and waits until it shows, as one more window of the
# program.
open_sound_menu() {
    local deadline=$((SECONDS + WINDOW_TIMEOUT)) before
    before="$(xdotool search --onlyvisible --class kordelix | wc -l)"
    xd_click_control "$1" frmMetronome lblExp
    until (($(xdotool search --onlyvisible --class kordelix | wc -l) > before)); do
        ((SECONDS <= deadline)) || fail "the sound menu did not open"
        sleep 0.05
    done
}

start_kordelix
metronome="$(open_tool Metronome lblMetronome 900 20)"
type_tempo "$metronome" 300
wait_for "typing 300 puts the pointer at the right end" "$(pointer_for_tempo 300)" \
    metronome_pointer "$metronome"
xd_click_control "$metronome" frmMetronome lblStartStop
wait_for "\"Start/Stop\" turns green" on label_state "$metronome" frmMetronome lblStartStop

# Listen for a stretch of real time once the first click is out.
deadline=$((SECONDS + CHANGE_TIMEOUT))
until [[ -s "$sound" && -n "$("$PROBE" onsets "$sound" $((BEAT_MS / 3)))" ]]; do
    ((SECONDS <= deadline)) || fail "no click was written in $CHANGE_TIMEOUT s"
    sleep 0.05
done
start_us="$(now_us)" start_size="$(file_size)"
sleep "$((LISTEN_MS / 1000))"
end_us="$(now_us)" end_size="$(file_size)"

# The clicks written in that stretch, in milliseconds of the file, and the
# mean beat in real time.
read -r clicks mean < <("$PROBE" onsets "$sound" $((BEAT_MS / 3)) |
    awk -v from="$start_size" -v to="$end_size" -v f=$FRAME_BYTES \
        -v us=$((end_us - start_us)) '
        $1 >= from / f / 48 && $1 < to / f / 48 { if (!n++) first = $1; last = $1 }
        END { rate = (to - from) / f / (us / 1e6)
              mean = n > 1 ? (last - first) / (n - 1) * 48000 / rate : 0
              printf "%d %.1f\n", n, mean }')
echo "# $clicks clicks in $(((end_us - start_us) / 1000)) ms, a mean beat of $mean ms"
awk -v m="$mean" -v b=$BEAT_MS -v s=$BEAT_SLACK_MS 'BEGIN { exit !(m >= b - s && m <= b + s) }' ||
    fail "at 300 beats a minute the mean beat is $mean ms, not $BEAT_MS ms"
pass "at 300 beats a minute the clicks come $BEAT_MS ms apart on average"

# "Start/Stop" again: silence from two beats on (the file may lag the clock by
# most of a beat).
xd_click_control "$metronome" frmMetronome lblStartStop
wait_for "\"Start/Stop\" turns back to its first colour" off \
    label_state "$metronome" frmMetronome lblStartStop
stopped_frame=$(($(file_size) / FRAME_BYTES))
wait_size $(($(file_size) + 5 * BEAT_MS * 48 * FRAME_BYTES))
late="$("$PROBE" onsets "$sound" $((BEAT_MS / 3)) |
    awk -v from=$((stopped_frame / 48 + 2 * BEAT_MS)) '$1 > from' | wc -l)"
expect_eq "no click sounds after the metronome stopped" "$late" 0

# A click sound whose file is gone: from a copy of the program's folder without
# Rhythm02.wav, choosing "Rhythm 02" while running stops the metronome. The
# tempo is slow enough for a screenshot to see it running before the beat.
unset SDL_AUDIODRIVER SDL_DISKAUDIOFILE
folder="$WORK/program"
mkdir "$folder"
cp "$BIN/kordelix" "$BIN/libkordelix-audio.so" "$BIN/ChordData.txt" "$BIN"/Rhythm*.wav "$folder/"
rm "$folder/Rhythm02.wav"
start_kordelix "$folder"
metronome="$(open_tool Metronome lblMetronome 900 20)"
type_tempo "$metronome" 15
wait_for "typing 15 puts the pointer at the left end" "$(pointer_for_tempo 15)" \
    metronome_pointer "$metronome"
xd_click_control "$metronome" frmMetronome lblStartStop
wait_for "with Rhythm 01 the metronome runs" on label_state "$metronome" frmMetronome lblStartStop
name_before="$(shot "$metronome")"
open_sound_menu "$metronome"
xdotool key --delay 50 Down Down Return
wait_for "choosing the missing Rhythm 02 stops the metronome" off \
    label_state "$metronome" frmMetronome lblStartStop
changed="$("$PROBE" differ "$name_before" "$(shot "$metronome")" \
    $(control frmMetronome lblExp))"
((changed > 0)) || fail "the sound's name did not change to the error"
pass "the sound's name shows the error"
# Starting again runs for one beat (4 s at 15) and stops on the failed click.
xd_click_control "$metronome" frmMetronome lblStartStop
wait_for "started again, it runs" on label_state "$metronome" frmMetronome lblStartStop
wait_for "and stops again at the first beat" off label_state "$metronome" frmMetronome lblStartStop
