#!/usr/bin/env bash
# The road of one request: from the main menu to a chord on the fretboard, a
# change of group that keeps the chord's place in the list, the favourites,
# and a fresh start after closing. The expected fretboards are worked out from
# the chord file shipped beside the program.
source "$(dirname "$0")/e2e_lib.sh"

data="$BIN/ChordData.txt"
mapfile -t chords < <(chord_lines "$data" '!C')
mapfile -t favourites < <(chord_lines "$data" '!F')
((${#chords[@]} > 0 && ${#favourites[@]} > 0)) || fail "the shipped chord file has no chords or no favourites"

# The chord lines of the group listed at a place in the group list (1 = first).
group_lines() {
    chord_lines "$data" '!C' | awk -v wanted="$1" '{
        group = substr($0, 9, 10); gsub(/^ +| +$/, "", group)
        if (NR == 1 || group != previous) { runs++; previous = group; if (runs == wanted) name = group }
        lines[NR] = $0; groups[NR] = group
    } END { for (i = 1; i <= NR; i++) if (groups[i] == name) print lines[i] }'
}
mapfile -t first_group_lines < <(group_lines 1)
mapfile -t second_group_lines < <(group_lines 2)
first_group="$(chord_group "${first_group_lines[0]}")"
second_group="$(chord_group "${second_group_lines[0]}")"
((${#first_group_lines[@]} >= 3 && ${#second_group_lines[@]} >= 3)) ||
    fail "the road needs two groups of at least three chords"

start_kordelix
chord="$(open_tool "Chord finder" lblChord 0 640)"

# The first chord of the first group is drawn, and the first entry of each
# list is the selected one. Rows are counted in pixels of their list.
wait_for "the first chord of the file is drawn" "$(chord_board_of "${chords[0]}")" chord_board "$chord"
read -r top bottom < <(selected_row "$chord" lstChord) || true
[[ -n "${bottom:-}" ]] || fail "no chord is selected"
row_height=$((bottom - top + 1))
first_row=$top
row_band() { echo "$((first_row + ($1 - 1) * row_height)) $((first_row + $1 * row_height - 1))"; }
row_middle() { echo $((first_row + ($1 - 1) * row_height + row_height / 2)); }
expect_eq "the first group is selected" "$(selected_row "$chord" lstGroup)" "$(row_band 1)"
expect_eq "\"Favorites\" starts off" "$(label_state "$chord" frmChord lblFavorites)" off

# The third chord of the group, then the second group: its third chord.
xd_click_inside "$chord" frmChord lstChord 40 "$(row_middle 3)"
wait_for "the third chord of \"$first_group\" is drawn" \
    "$(chord_board_of "${first_group_lines[2]}")" chord_board "$chord"
xd_click_inside "$chord" frmChord lstGroup 40 "$(row_middle 2)"
wait_for "the third chord of \"$second_group\" is drawn" \
    "$(chord_board_of "${second_group_lines[2]}")" chord_board "$chord"
expect_eq "the second group is selected" "$(selected_row "$chord" lstGroup)" "$(row_band 2)"
expect_eq "the chord keeps its place in the list" \
    "$(selected_row "$chord" lstChord)" "$(row_band 3)"

# Back to the first chord, then the favourites.
xd_click_inside "$chord" frmChord lstChord 40 "$(row_middle 1)"
wait_for "the first chord of \"$second_group\" is drawn" \
    "$(chord_board_of "${second_group_lines[0]}")" chord_board "$chord"
xd_click_control "$chord" frmChord lblFavorites
wait_for "\"Favorites\" turns green" on label_state "$chord" frmChord lblFavorites
wait_for "the first favourite is drawn" "$(chord_board_of "${favourites[0]}")" chord_board "$chord"
expect_eq "the first favourite group is selected" \
    "$(selected_row "$chord" lstGroup)" "$(row_band 1)"

# Closing and opening again starts with the ordinary chords.
xd_click_control "$chord" frmChord lblClose
xd_wait_gone "Chord finder" "$WINDOW_TIMEOUT" || fail "\"Close\" did not close the chord finder"
pass "\"Close\" closes the chord finder"
chord="$(open_tool "Chord finder" lblChord 0 640)"
wait_for "reopened, \"Favorites\" is off again" off label_state "$chord" frmChord lblFavorites
wait_for "reopened, the first chord of the file is drawn" \
    "$(chord_board_of "${chords[0]}")" chord_board "$chord"
xd_click_inside "$chord" frmChord lstGroup 40 "$(row_middle 2)"
wait_for "reopened, the ordinary chords are listed" \
    "$(chord_board_of "${second_group_lines[0]}")" chord_board "$chord"
