#!/usr/bin/env bash
# Bars and tap tempo as heard: with 4 beats per bar chosen in the metronome's
# own menu, every fourth click is the accented one (its sound clearly
# brighter) and the clicks keep their exact spacing; six presses of T 500 ms
# apart set the tempo box to 120.
#
# The program plays through a private PulseAudio server into a null sink whose
# monitor parecord records (32-bit float, one channel, 48 000 frames a second).
# The program's stream asks the server to hold a quarter of a second, so that
# a busy machine that wakes its sound thread late does not leave gaps in the
# recording: the test judges where the program puts the clicks in its stream,
# not the machine's scheduling. The taps are judged by the times the X server
# gave the key presses (xev, listening beside the program), 500 ms apart
# when the machine keeps time. Skipped (exit 77) when PulseAudio is not
# installed.
source "$(dirname "$0")/e2e_lib.sh"

skip_without_pulseaudio

TEMPO=240
BEAT_MS=250     # 60 000 ms / 240 beats
BEATS_HEARD=16  # clicks to collect
BEAT_SLACK_MS=1 # the sink mixes whole frames: every interval within this of BEAT_MS
BRIGHTER=1.2    # an accented click's centroid is at least this much above a plain one's

xd_start_pulse e2e "$WORK/pulse" "$WINDOW_TIMEOUT" || fail "the sound server did not start"
export PULSE_LATENCY_MSEC=250
start_kordelix
metronome="$(open_tool Metronome lblMetronome 900 20)"
type_tempo "$metronome" $TEMPO
wait_for "typing $TEMPO puts the pointer at the right end" "$(pointer_for_tempo $TEMPO)" \
    metronome_pointer "$metronome"

# A right click on the background between the slider and "Start/Stop" opens
# the menu, one more window of the program; Down goes from "No accent" on.
menus_before="$(xdotool search --onlyvisible --class kordelix | wc -l)"
xd_click "$metronome" 60 70 3
wait_for "a right click on the background opens the menu" $((menus_before + 1)) \
    bash -c "xdotool search --onlyvisible --class kordelix | wc -l"
xdotool key --delay 50 Down Down Down Down Return

clicks="$WORK/clicks.raw"
e2e_start_recorder e2e.monitor "$clicks"
xd_click_control "$metronome" frmMetronome lblStartStop
wait_for "\"Start/Stop\" turns green" on label_state "$metronome" frmMetronome lblStartStop
deadline=$((SECONDS + CHANGE_TIMEOUT + BEATS_HEARD * BEAT_MS / 1000))
while :; do
    mapfile -t heard < <("$PROBE" clicks "$clicks" $((BEAT_MS / 3)) 2>/dev/null)
    ((${#heard[@]} > BEATS_HEARD)) && break
    ((SECONDS <= deadline)) || fail "only ${#heard[@]} clicks were heard"
    sleep 0.2
done
xd_click_control "$metronome" frmMetronome lblStartStop
e2e_stop_recorder
# The last click may have been cut off by the end of the recording.
heard=("${heard[@]:0:BEATS_HEARD}")
echo "# heard (start ms, spectral centroid Hz): ${heard[*]}"

# Bright clicks ("x", BRIGHTER than the dullest) and plain ones ("."); the
# recording began before the first beat, which begins a bar.
pattern="$(printf '%s\n' "${heard[@]}" | awk -v r=$BRIGHTER '
    { c[NR] = $2; if (NR == 1 || $2 < low) low = $2 }
    END { for (i = 1; i <= NR; i++) printf "%s", (c[i] >= low * r ? "x" : "."); print "" }')"
expect_eq "every fourth click is accented" "$pattern" "x...x...x...x..."
farthest="$(printf '%s\n' "${heard[@]}" | awk -v beat=$BEAT_MS '
    NR > 1 { off = $1 - previous - beat; if (off < 0) off = -off; if (off > far) far = off }
    { previous = $1 } END { printf "%.3f\n", far }')"
echo "# the farthest interval is $farthest ms off $BEAT_MS ms"
awk -v f="$farthest" -v s=$BEAT_SLACK_MS 'BEGIN { exit !(f <= s) }' ||
    fail "an interval is $farthest ms away from $BEAT_MS ms"
pass "every click comes $BEAT_MS ms after the one before, within $BEAT_SLACK_MS ms"

# Tap tempo: T on "Start/Stop" (the tempo box would take it as text).
xd_click_control "$metronome" frmMetronome txtValue
xdotool key Tab
stdbuf -oL xev -id "$metronome" -event keyboard >"$WORK/keys.txt" 2>/dev/null &
listener=$!
sleep 0.5
# One xdotool for all six, so that only its sleeps lie between the presses.
xdotool key --delay 0 t sleep 0.5 key --delay 0 t sleep 0.5 key --delay 0 t sleep 0.5 \
    key --delay 0 t sleep 0.5 key --delay 0 t sleep 0.5 key --delay 0 t
sleep 0.5
kill "$listener"
wait "$listener" 2>/dev/null || true
# Each event is a block of lines: its kind, then its time, then its key.
mapfile -t taps < <(awk '/^[A-Za-z]+ event/ { press = /^KeyPress/ }
    match($0, / time [0-9]+/) { time = substr($0, RSTART + 6, RLENGTH - 6) }
    press && /keysym 0x74, t\)/ { print time }' "$WORK/keys.txt")
expect_eq "the X server saw six presses of T" "${#taps[@]}" 6
echo "# the presses came at ${taps[*]} ms of the X server's clock"
# 60 000 ms divided by the mean of the five intervals, halves to even.
tapped="$(awk -v span=$((taps[5] - taps[0])) 'BEGIN { printf "%.0f\n", 300000 / span }')"
tempo_text() {
    printf none | xclip -selection clipboard -i
    xd_click_control "$metronome" frmMetronome txtValue
    xdotool key --clearmodifiers ctrl+a ctrl+c
    sleep 0.2
    xclip -o -selection clipboard
}
wait_for "the tempo box shows $tapped" "$tapped" tempo_text
