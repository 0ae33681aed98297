#!/usr/bin/env bash
# The note table: a fret names its note on the staff and marks every fret that
# sounds it, the staff chooses a note by its line or space, the naming toggles
# and the note-type menu, and a fresh start after closing.
source "$(dirname "$0")/e2e_lib.sh"

# The sharp and flat toggles side by side, with a margin of 2 pixels.
sharp=($(control frmNoteTable imgSharp))
flat=($(control frmNoteTable imgFlat))
NOTE_TOGGLES=($((sharp[0] - 2)) $((sharp[1] - 2))
    $((flat[0] + flat[2] - sharp[0] + 4)) $((sharp[3] + 4)))

# The cells with the given marks, each "STRING:FRET:LETTER" (strings from 1,
# the high E), every other cell plain: cells_with MARK...
cells_with() {
    local rows=() m s f c i
    for i in 0 1 2 3 4 5; do rows[i]="...................."; done
    for m in "$@"; do
        IFS=: read -r s f c <<<"$m"
        rows[s - 1]="${rows[s - 1]:0:f}$c${rows[s - 1]:f+1}"
    done
    echo "${rows[*]}"
}

# Top of the head, in pixels of the staff, for a staff position.
head_top() { echo $((134 - 5 * $1)); }

# Left edges of the black sharp, brown flat, brown sharp and black flat
# pictures among the toggles ("none" for each that does not show).
toggles() {
    local picture words=()
    for picture in SharpOn FlatOff SharpOff FlatOn; do
        words+=("$(picture_place "$1" "${NOTE_TOGGLES[@]}" "$picture" | cut -d' ' -f1)")
    done
    echo "${words[*]}"
}
sharp_naming="${sharp[0]} ${flat[0]} none none"
flat_naming="none none ${sharp[0]} ${flat[0]}"

# The state a fresh note table starts in.
expect_fresh() {
    wait_for "$1: no cell is marked" "$(cells_with)" note_board "$notes"
    expect_eq "$1: no head on the staff" "$(staff_picture_top "$notes" NoteHead)" none
    expect_eq "$1: sharp naming" "$(toggles "$notes")" "$sharp_naming"
}

start_kordelix
notes="$(open_tool "Note table" lblNoteTable 0 0)"
expect_fresh "at the start"

# The open high E string: itself red, the other four E cells brown, the head on
# the top space.
note_cell_click "$notes" 1 0
wait_for "the open high E marks the five cells of its note" \
    "$(cells_with 1:0:R 2:5:b 3:9:b 4:14:b 5:19:b)" note_board "$notes"
expect_eq "the head sits on the top space" "$(staff_picture_top "$notes" NoteHead)" \
    "$(head_top 15)"
expect_eq "a natural note has no sign" "$(staff_picture_top "$notes" SharpOn)" none

# A press on the bottom staff line (100 pixels down the staff) chooses the E
# there: three cells, none of them red.
xd_click_inside "$notes" frmNoteTable picStave 60 100
wait_for "the bottom staff line marks the three cells of its E" \
    "$(cells_with 4:2:b 5:7:b 6:12:b)" note_board "$notes"
expect_eq "the head moves to the bottom line" "$(staff_picture_top "$notes" NoteHead)" \
    "$(head_top 8)"

# G sharp, then the same cells named A flat: the head goes up one step and the
# sharp becomes a flat.
note_cell_click "$notes" 3 1
wait_for "G sharp marks its four cells" "$(cells_with 3:1:R 4:6:b 5:11:b 6:16:b)" note_board "$notes"
expect_eq "G sharp's head" "$(staff_picture_top "$notes" NoteHead)" "$(head_top 10)"
expect_eq "G sharp's sign stands 4 pixels above the head" \
    "$(staff_picture_top "$notes" SharpOn)" $(($(head_top 10) - 4))
xd_click_control "$notes" frmNoteTable imgFlat
wait_for "flat naming keeps the four cells, all brown" \
    "$(cells_with 3:1:b 4:6:b 5:11:b 6:16:b)" note_board "$notes"
expect_eq "A flat's head is one step higher" "$(staff_picture_top "$notes" NoteHead)" \
    "$(head_top 11)"
expect_eq "A flat's sign" "$(staff_picture_top "$notes" FlatOn)" $(($(head_top 11) - 4))
expect_eq "the toggles show flat naming" "$(toggles "$notes")" "$flat_naming"

# "Normal" from the staff's menu takes the sign off where the head is: A.
xd_click_inside "$notes" frmNoteTable picStave 60 30 3
xdotool key --delay 50 Down Return
wait_for "\"Normal\" makes the note A, with its four cells" \
    "$(cells_with 3:2:b 4:7:b 5:12:b 6:17:b)" note_board "$notes"
expect_eq "A keeps the head's place" "$(staff_picture_top "$notes" NoteHead)" "$(head_top 11)"
expect_eq "A has no sign" "$(staff_picture_top "$notes" FlatOn)" none

# Closed and opened again, nothing of that is left.
xd_click_control "$notes" frmNoteTable lblClose
xd_wait_gone "Note table" "$WINDOW_TIMEOUT" || fail "\"Close\" did not close the note table"
notes="$(open_tool "Note table" lblNoteTable 0 0)"
expect_fresh "reopened"
