#!/usr/bin/env bash
# Opens every window of the program on a virtual X screen, as a person would,
# and saves a screenshot of each: tools/tour.sh PROGRAM OUTPUT_FOLDER
# Controls are found by name in the layout table the build writes beside the
# program.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/xdriver.sh"

program="$(realpath "$1")"
out="$2"
mkdir -p "$out"
out="$(realpath "$out")"
xd_load_layout "$(dirname "$program")"
trap xd_stop EXIT

xd_start_display
xd_start_program "$program"
shots=()
shoot() { # WINDOW NAME
    sleep 0.3 # let the window finish painting
    xd_shot "$1" "$out/$2.png"
    shots+=("$out/$2.png")
}

main="$(xd_wait_window Kordelix 20)"
shoot "$main" 01-main-menu

xd_click_control "$main" frmMain lblAbout
about="$(xd_wait_window Form1)"
shoot "$about" 02-about
xd_click_control "$about" frmAbout lblClose
xd_wait_gone Form1

xd_click_control "$main" frmMain lblChord
chord="$(xd_wait_window "Chord finder")"
shoot "$chord" 03-chord-finder
xd_click_inside "$chord" frmChord lstChord 13 8 # the first entry of the chord list
xdotool type F                                  # jump to the F major barre chord
shoot "$chord" 04-chord-finder-barre
xd_click_control "$chord" frmChord lblFavorites
shoot "$chord" 05-chord-finder-favorites
xd_click_control "$chord" frmChord lblClose
xd_wait_gone "Chord finder"

xd_click_control "$main" frmMain lblNoteTable
notes="$(xd_wait_window "Note table")"
xd_click_control "$notes" frmNoteTable 'G(1)' # G sharp at the first fret of the G string
shoot "$notes" 06-note-table-sharp
xd_click_control "$notes" frmNoteTable imgFlat # flat naming
shoot "$notes" 07-note-table-flat
xd_click_control "$notes" frmNoteTable lblClose
xd_wait_gone "Note table"

xd_click_control "$main" frmMain lblMetronome
metronome="$(xd_wait_window Metronome)"
xd_click_inside "$metronome" frmMetronome imgSlider 100 11 # the bar reads tempo 30 + x: 130
xd_click_control "$metronome" frmMetronome lblStartStop
shoot "$metronome" 08-metronome-running
xd_click_control "$metronome" frmMetronome lblStartStop
xd_click_control "$metronome" frmMetronome lblClose
xd_wait_gone Metronome

xd_click_control "$main" frmMain lblQuit
xd_wait_exit 5 || true

echo "Screenshots:"
printf '  %s\n' "${shots[@]}"
