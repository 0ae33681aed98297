#!/usr/bin/env bash
# The program writes no file: with an empty home folder (and the XDG folders
# in it), every window is opened and used, the sound menu's file dialog is
# opened and cancelled, and the program quit; the home folder is still empty.
source "$(dirname "$0")/e2e_lib.sh"

export HOME="$WORK/home"
mkdir -m 700 "$HOME"
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME XDG_STATE_HOME

start_kordelix

xd_click_control "$MAIN" frmMain lblAbout
about="$(window Form1)"
xd_drag "$about" 66 33 10 5
xd_click_control "$about" frmAbout lblClose
xd_wait_gone Form1 "$WINDOW_TIMEOUT" || fail "\"Close\" did not close the About window"

chord="$(open_tool "Chord finder" lblChord 0 0)"
xd_click_control "$chord" frmChord lblFavorites
xd_click_control "$chord" frmChord lblClose
xd_wait_gone "Chord finder" "$WINDOW_TIMEOUT" || fail "the chord finder did not close"

notes="$(open_tool "Note table" lblNoteTable 0 0)"
note_cell_click "$notes" 3 1
xd_click_control "$notes" frmNoteTable imgFlat
xd_click_control "$notes" frmNoteTable lblClose
xd_wait_gone "Note table" "$WINDOW_TIMEOUT" || fail "the note table did not close"

# The sound menu's last entry, "Other", opens the file dialog; Escape cancels it.
metronome="$(open_tool Metronome lblMetronome 0 0)"
xd_click_control "$metronome" frmMetronome lblStartStop
xd_click_control "$metronome" frmMetronome lblExp
sleep 0.5 # the menu takes the keyboard when it shows
xdotool key --delay 100 Up Return
dialog="$(window "Select sound file")"
pass "\"Other\" opens the file dialog"
xdotool windowfocus --sync "$dialog" key Escape
xd_wait_gone "Select sound file" "$WINDOW_TIMEOUT" || fail "Escape did not cancel the file dialog"
xd_click_control "$metronome" frmMetronome lblClose
xd_wait_gone Metronome "$WINDOW_TIMEOUT" || fail "the metronome did not close"

xd_click_control "$MAIN" frmMain lblQuit
xd_wait_exit "$WINDOW_TIMEOUT" || fail "the program did not end"
expect_eq "the program ends cleanly" "$XD_PROGRAM_STATUS" 0
expect_eq "nothing was written in the home folder" "$(cd "$HOME" && find . -mindepth 1)" ""
