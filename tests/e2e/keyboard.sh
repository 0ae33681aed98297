#!/usr/bin/env bash
# Kordelix with the keyboard alone: every tool opened from the main menu, a
# chord chosen, the open high E string selected in the note table, a tempo set
# and the metronome started and stopped, About opened and closed, and the
# program quit. No pointer event is sent at all; results are read on screen.
source "$(dirname "$0")/e2e_lib.sh"

# Presses keys in the window that has the keyboard focus.
keys() {
    xdotool key --delay 60 "$@"
}

# The main menu opens with "Chord finder" focused and keeps its focus where
# Return was last pressed, so each next entry is one Tab further. X gives a
# window the keyboard only when asked (there is no window manager here), as a
# desktop does when it shows a window.
focus() {
    xdotool windowfocus --sync "$1"
}

data="$BIN/ChordData.txt"
mapfile -t chords < <(chord_lines "$data" '!C')

start_kordelix

# Chord finder: the keyboard starts in the chord list; Down picks the next chord.
focus "$MAIN"
keys Return
chord="$(window "Chord finder")"
wait_for "Return on the first entry opens the chord finder with the first chord" \
    "$(chord_board_of "${chords[0]}")" chord_board "$chord"
focus "$chord"
keys Down
wait_for "Down in the chord list draws the second chord" \
    "$(chord_board_of "${chords[1]}")" chord_board "$chord"
keys Escape
xd_wait_gone "Chord finder" "$WINDOW_TIMEOUT" || fail "Escape did not close the chord finder"
pass "Escape closes the chord finder"

# Note table: the fretboard has the keyboard and starts on the open high E
# string; Return selects it as a click does.
focus "$MAIN"
keys Tab Return
notes="$(window "Note table")"
focus "$notes"
keys Return
wait_for "Return selects the open high E string: its cell turns red" "R . . . . ." \
    board "$notes" frmNoteTable 'E(0)' 1 .=PlainCell R=ClickedCell b=MatchingCell
keys Escape
xd_wait_gone "Note table" "$WINDOW_TIMEOUT" || fail "Escape did not close the note table"
pass "Escape closes the note table"

# Metronome: the slider has the keyboard; Home goes to 40, each Page Up adds
# ten. Space starts and stops the beat.
focus "$MAIN"
keys Tab Return
metronome="$(window Metronome)"
focus "$metronome"
keys Home Prior Prior Prior Prior Prior Prior
wait_for "Home and six Page Ups put the pointer at 100" "$(pointer_for_tempo 100)" \
    metronome_pointer "$metronome"
keys space
wait_for "Space starts the metronome" on label_state "$metronome" frmMetronome lblStartStop
keys space
wait_for "Space stops it again" off label_state "$metronome" frmMetronome lblStartStop
keys Escape
xd_wait_gone Metronome "$WINDOW_TIMEOUT" || fail "Escape did not close the metronome"
pass "Escape closes the metronome"

# About opens with Return on its entry and closes with Escape; Quit ends the
# program.
focus "$MAIN"
keys Tab Return
window Form1 >/dev/null
keys Escape
xd_wait_gone Form1 "$WINDOW_TIMEOUT" || fail "Escape did not close About"
pass "About opens and closes from the keyboard"
focus "$MAIN"
keys Tab Return
xd_wait_exit "$WINDOW_TIMEOUT" || fail "Quit from the keyboard did not end the program"
pass "Return on Quit ends the program"
