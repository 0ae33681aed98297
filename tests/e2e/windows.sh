#!/usr/bin/env bash
# Window rules: each tool opens once and is brought forward unchanged, a closed
# tool opens again in its start state, the About window blocks the others while
# open and follows a drag of its background exactly, and Quit leaves an open
# note table usable until it is closed.
source "$(dirname "$0")/e2e_lib.sh"

# A point of the screen on bare background of both the note table (moved to
# 0, 0) and the metronome (moved to 500, 300), where they overlap.
OVERLAP=(590 360)

start_kordelix

# A running metronome at 200 beats a minute, partly under the note table.
metronome="$(open_tool Metronome lblMetronome 500 300)"
type_tempo "$metronome" 200
wait_for "typing 200 moves the pointer" "$(pointer_for_tempo 200)" metronome_pointer "$metronome"
xd_click_control "$metronome" frmMetronome lblStartStop
wait_for "\"Start/Stop\" turns green" on label_state "$metronome" frmMetronome lblStartStop

notes="$(open_tool "Note table" lblNoteTable 0 0)"
note_cell_click "$notes" 1 0
wait_for "the note table marks the clicked cell" "R" eval 'note_board "$notes" | cut -c1'
wait_for "the note table lies over the metronome" "$PALETTE_NoteTablePaper" \
    screen_colour "${OVERLAP[@]}"

# Asking for the metronome again brings the same window forward, still running
# at the same tempo.
xd_click_control "$MAIN" frmMain lblMetronome
wait_for "\"- Metronome\" brings the metronome forward" "$PALETTE_ListYellow" \
    screen_colour "${OVERLAP[@]}"
expect_eq "there is still one metronome" "$(window Metronome)" "$metronome"
expect_eq "the metronome is still running" \
    "$(label_state "$metronome" frmMetronome lblStartStop)" on
expect_eq "the tempo is unchanged" "$(metronome_pointer "$metronome")" "$(pointer_for_tempo 200)"

# The same for the note table: forward again, its marked cell unchanged.
xd_click_control "$MAIN" frmMain lblNoteTable
wait_for "\"- Note table\" brings the note table forward" "$PALETTE_NoteTablePaper" \
    screen_colour "${OVERLAP[@]}"
expect_eq "there is still one note table" "$(window "Note table")" "$notes"
expect_eq "the note table keeps its marks" "$(note_board "$notes" | cut -c1)" R

# A metronome closed and opened again is in its start state.
xd_click_control "$metronome" frmMetronome lblClose
xd_wait_gone Metronome "$WINDOW_TIMEOUT" || fail "\"Close\" did not close the metronome"
metronome="$(open_tool Metronome lblMetronome 900 20)"
expect_eq "reopened, the metronome is stopped" \
    "$(label_state "$metronome" frmMetronome lblStartStop)" off
expect_eq "reopened, the tempo is 120" "$(metronome_pointer "$metronome")" "$(pointer_for_tempo 120)"

# The About window opens over the main menu; a drag of its background (at 66,
# 33 and at 40, 150, clear of its controls) moves it by exactly the pointer's
# movement, in both directions.
xd_click_control "$MAIN" frmMain lblAbout
about="$(window Form1)"
read -r x y < <(xd_window_origin "$about")
xd_drag "$about" 66 33 10 5
wait_for "a drag of 10, 5 pixels moves the About window by 10, 5" "$((x + 10)) $((y + 5))" \
    xd_window_origin "$about"
xd_drag "$about" 66 33 370 290
wait_for "a drag of 370, 290 pixels moves it by 370, 290" "$((x + 380)) $((y + 295))" \
    xd_window_origin "$about"
xd_drag "$about" 40 150 -30 -40
wait_for "a drag back up and left moves it by -30, -40" "$((x + 350)) $((y + 255))" \
    xd_window_origin "$about"

# While it is open, clicks on the main menu and on a tool window do nothing.
# The drag that follows them shows that they have been handled.
xd_click_control "$MAIN" frmMain lblChord
xd_click_control "$metronome" frmMetronome lblStartStop
xd_drag "$about" 66 33 20 20
wait_for "the About window still follows a drag" "$((x + 370)) $((y + 275))" xd_window_origin "$about"
[[ -z "$(xdotool search --onlyvisible --name '^Chord finder$')" ]] ||
    fail "the main menu opened the chord finder while the About window was open"
pass "the main menu takes no clicks while the About window is open"
expect_eq "the metronome takes no clicks while the About window is open" \
    "$(label_state "$metronome" frmMetronome lblStartStop)" off

# After "Close" the other windows take clicks again.
xd_click_control "$about" frmAbout lblClose
xd_wait_gone Form1 "$WINDOW_TIMEOUT" || fail "\"Close\" did not close the About window"
pass "\"Close\" closes the About window"
xd_click_control "$metronome" frmMetronome lblStartStop
wait_for "the metronome takes clicks again" on label_state "$metronome" frmMetronome lblStartStop
xd_click_control "$metronome" frmMetronome lblClose
xd_wait_gone Metronome "$WINDOW_TIMEOUT" || fail "\"Close\" did not close the running metronome"

# Quit with the note table open: the main menu goes, the note table stays and
# works, and the program ends when it is closed.
xd_click_control "$MAIN" frmMain lblQuit
xd_wait_gone Kordelix "$WINDOW_TIMEOUT" || fail "\"Quit\" did not close the main menu"
pass "\"Quit\" closes the main menu"
kill -0 "$XD_PROGRAM_PID" 2>/dev/null || fail "the program ended with the note table open"
note_cell_click "$notes" 6 0
wait_for "after Quit the note table still takes clicks" "R" \
    eval 'note_board "$notes" | cut -d" " -f6 | cut -c1'
xd_click_control "$notes" frmNoteTable lblClose
xd_wait_exit "$WINDOW_TIMEOUT" || fail "the program did not end with its last window"
expect_eq "the program ends cleanly with its last window" "$XD_PROGRAM_STATUS" 0
