#!/usr/bin/env bash
# The metronome as heard: a typed tempo of 300 gives clicks 200 ms apart in the
# sound the program writes, "Start/Stop" silences it, and a click sound whose
# file is missing stops it.
#
# SDL's disk driver writes the output (32-bit float, two channels, 48 000
# frames a second) to a file instead of a sound card. It paces itself by
# sleeping whole milliseconds per buffer, so it writes frames somewhat faster
# or slower than 48 000 a second of real time (the rate is measured and shown);
# the beats are counted in the output's own frames, so their spacing is read
# at 48 000 frames a second, as a listener of that output hears it.
source "$(dirname "$0")/e2e_lib.sh"

FRAME_BYTES=8
BEAT_MS=200       # 60 000 ms / 300 beats
BEATS_HEARD=15    # clicks to collect
MEDIAN_SLACK_MS=4 # the median beat may be this far off
BEAT_SLACK_MS=30  # any single beat may be this far off (the driver's sleeps wander)

sound="$WORK/clicks.raw"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$sound"

file_size() { stat -c %s "$sound" 2>/dev/null || echo 0; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

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

# Listen until enough clicks have been written, timing the file's growth.
wait_size 1
start_ms="$(now_ms)"
start_size="$(file_size)"
deadline=$((SECONDS + CHANGE_TIMEOUT + BEATS_HEARD * BEAT_MS / 1000))
while :; do
    mapfile -t onsets < <("$PROBE" onsets "$sound" $((BEAT_MS / 3)))
    ((${#onsets[@]} >= BEATS_HEARD)) && break
    ((SECONDS <= deadline)) || fail "only ${#onsets[@]} clicks were written"
    sleep 0.1
done
end_ms="$(now_ms)"
end_size="$(file_size)"
rate="$(awk -v b=$((end_size - start_size)) -v ms=$((end_ms - start_ms)) -v f=$FRAME_BYTES \
    'BEGIN { printf "%.1f", b / f / (ms / 1000) }')"
echo "# the disk driver wrote $rate frames a second"

# The beats, in milliseconds of real time: the median and the farthest one.
read -r median farthest < <(printf '%s\n' "${onsets[@]}" |
    awk 'NR > 1 { print $1 - previous } { previous = $1 }' |
    sort -n | awk -v beat=$BEAT_MS '
        { beats[++n] = $1; off = $1 - beat; if (off < 0) off = -off; if (off > far) far = off }
        END { m = n % 2 ? beats[(n + 1) / 2] : (beats[n / 2] + beats[n / 2 + 1]) / 2
              printf "%.1f %.1f\n", m, far }')
echo "# median beat $median ms, farthest from $BEAT_MS ms by $farthest ms"
awk -v m="$median" -v b=$BEAT_MS -v s=$MEDIAN_SLACK_MS 'BEGIN { exit !(m >= b - s && m <= b + s) }' ||
    fail "the median beat is $median ms, not $BEAT_MS ms"
pass "at 300 beats a minute the clicks come $BEAT_MS ms apart"
awk -v f="$farthest" -v s=$BEAT_SLACK_MS 'BEGIN { exit !(f <= s) }' ||
    fail "a beat is $farthest ms away from $BEAT_MS ms"
pass "every beat is within $BEAT_SLACK_MS ms of $BEAT_MS ms"

# "Start/Stop" again: silence from about one beat on, and the output closes
# (the file stops growing) within a second once the last click has ended.
xd_click_control "$metronome" frmMetronome lblStartStop
wait_for "\"Start/Stop\" turns back to its first colour" off \
    label_state "$metronome" frmMetronome lblStartStop
stopped_frame=$(($(file_size) / FRAME_BYTES))
output_closed() {
    local before
    before="$(file_size)"
    sleep 0.3
    [[ "$(file_size)" == "$before" ]] && echo closed || echo open
}
wait_for "the output closes once the metronome has stopped" closed output_closed
late="$("$PROBE" onsets "$sound" $((BEAT_MS / 3)) |
    awk -v from=$((stopped_frame * 1000 / 48000 + BEAT_MS)) '$1 > from' | wc -l)"
expect_eq "no click sounds after the metronome stopped" "$late" 0

# A click sound whose file is gone: from a copy of the program's folder without
# Rhythm02.wav, choosing "Rhythm 02" while running stops the metronome.
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
