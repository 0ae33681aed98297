#!/usr/bin/env bash
# Opens every window of the program on a virtual X screen, as a person would,
# and saves a screenshot of each: tools/tour.sh PROGRAM OUTPUT_FOLDER
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/xdriver.sh"

program="$(realpath "$1")"
out="$2"
mkdir -p "$out"
out="$(realpath "$out")"
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

xd_click "$main" 130 140 # "- About"
about="$(xd_wait_window Form1)"
shoot "$about" 02-about
xd_click "$about" 200 158 # "Close"
xd_wait_gone Form1

xd_click "$main" 140 42 # "- Chord finder"
chord="$(xd_wait_window "Chord finder")"
shoot "$chord" 03-chord-finder
xd_click "$chord" 210 160 # first entry of the chord list
xdotool type F            # jump to the F major barre chord
shoot "$chord" 04-chord-finder-barre
xd_click "$chord" 262 266 # "Favorites"
shoot "$chord" 05-chord-finder-favorites
xd_click "$chord" 352 266 # "Close"
xd_wait_gone "Chord finder"

xd_click "$main" 140 74 # "- Note table"
notes="$(xd_wait_window "Note table")"
xd_click "$notes" 81 64 # G sharp at the first fret of the G string
shoot "$notes" 06-note-table-sharp
xd_click "$notes" 270 172 # flat naming
shoot "$notes" 07-note-table-flat
xd_click "$notes" 530 330 # "Close"
xd_wait_gone "Note table"

xd_click "$main" 140 106 # "- Metronome"
metronome="$(xd_wait_window Metronome)"
xd_click "$metronome" 108 27 # slider at 130 beats per minute
xd_click "$metronome" 170 74 # "Start/Stop"
shoot "$metronome" 08-metronome-running
xd_click "$metronome" 170 74 # "Start/Stop" again
xd_click "$metronome" 255 74 # "Close"
xd_wait_gone Metronome

xd_click "$main" 290 194 # "Quit"
for _ in $(seq 1 250); do
    kill -0 "$XD_PROGRAM_PID" 2>/dev/null || break
    sleep 0.02
done

echo "Screenshots:"
printf '  %s\n' "${shots[@]}"
