#!/usr/bin/env bash
# Failure paths of the chord file, each from a copy of the program's folder: a
# missing file gives the message box with its exact text and an empty but
# usable chord finder; a file of random bytes is read without a crash.
source "$(dirname "$0")/e2e_lib.sh"

MESSAGE="Akor bilgilerinin bulunduğu ChordData.txt dosyası bulunamadı."

# A copy of the program's folder with the chord file replaced (or left out).
program_copy() {
    local folder="$WORK/$1"
    mkdir "$folder"
    cp "$BIN/kordelix" "$BIN/libkordelix-audio.so" "$BIN"/Rhythm*.wav "$folder/"
    echo "$folder"
}

# The message box: the program's visible window that is neither the main menu
# nor one of its captioned windows (the box's own title is empty).
message_box() {
    local deadline=$((SECONDS + WINDOW_TIMEOUT)) id caption known
    while ((SECONDS <= deadline)); do
        known=" $MAIN "
        for caption in "Chord finder" "Note table" Metronome Form1; do
            known+="$(xdotool search --onlyvisible --name "^$caption\$" 2>/dev/null | tr '\n' ' ')"
        done
        for id in $(xdotool search --onlyvisible --pid "$XD_PROGRAM_PID" 2>/dev/null); do
            if [[ "$known" != *" $id "* ]]; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.05
    done
    return 1
}

# The text of a message box as a person copies it: a triple click on the text
# selects it, Ctrl+C copies it.
message_text() {
    local box="$1" file x0 y0 x1 y1 width height
    read -r width height < <(xdotool getwindowgeometry --shell "$box" |
        awk -F= '/^WIDTH/ { w = $2 } /^HEIGHT/ { h = $2 } END { print w, h }')
    file="$(shot "$box")"
    # The text is the dark writing in the upper half, right of the icon.
    read -r x0 y0 x1 y1 < <("$PROBE" bbox "$file" 48 0 $((width - 48)) $((height / 2)) 0,0,0 80)
    [[ -n "${y1:-}" ]] || fail "the message box shows no text"
    origin=($(xd_window_origin "$box"))
    xdotool mousemove --sync $((origin[0] + (x0 + x1) / 2)) $((origin[1] + (y0 + y1) / 2)) \
        click --repeat 3 --delay 60 1
    # Empty the clipboard first, so that an old copy is not read back.
    printf nothing | xclip -selection clipboard -i >/dev/null 2>&1
    local deadline=$((SECONDS + CHANGE_TIMEOUT)) text=""
    until [[ "$(xclip -o -selection clipboard 2>/dev/null)" == nothing ]]; do
        ((SECONDS <= deadline)) || fail "the clipboard could not be emptied"
        sleep 0.02
    done
    xdotool key --clearmodifiers ctrl+c
    while ((SECONDS <= deadline)); do
        text="$(xclip -o -selection clipboard 2>/dev/null || true)"
        [[ -n "$text" && "$text" != nothing ]] && break
        sleep 0.05
    done
    echo "$text"
}

# "yes" while a window is shown on the screen, "no" once it is not.
window_shown() {
    xdotool search --onlyvisible --pid "$XD_PROGRAM_PID" 2>/dev/null | grep -qx "$1" && echo yes || echo no
}

# Pixels of a rectangle that are not the given colour: off_colour WINDOW X Y W H R,G,B
off_colour() {
    local found
    found="$(colour_count "$1" "$2" "$3" "$4" "$5" "$6")"
    echo $(($4 * $5 - found))
}

# The same inside a list of the chord finder, clear of its frame:
# list_off_colour WINDOW LIST_NAME
list_off_colour() {
    local list
    list=($(control frmChord "$2"))
    off_colour "$1" $((list[0] + 3)) $((list[1] + 3)) $((list[2] - 6)) $((list[3] - 6)) \
        "$PALETTE_ListYellow"
}

# No ChordData.txt: the message, then an empty chord finder that still works.
start_kordelix "$(program_copy without-file)"
xd_click_control "$MAIN" frmMain lblChord
box="$(message_box)" || fail "no message box appeared"
pass "a missing chord file shows a message box"
expect_eq "the message names the missing file" "$(message_text "$box")" "$MESSAGE"
xdotool key Return
wait_for "OK closes the message box" no window_shown "$box"
chord="$(window "Chord finder")"
xdotool windowmove --sync "$chord" 0 640
expect_eq "the group list is empty" "$(list_off_colour "$chord" lstGroup)" 0
expect_eq "the chord list is empty" "$(list_off_colour "$chord" lstChord)" 0
expect_eq "no chord is drawn" "$(chord_board "$chord")" "$(chord_board_of '!C')"
expect_eq "no description shows" \
    "$(off_colour "$chord" $(control frmChord lblDesc) "$PALETTE_Cream")" 0

# "Favorites" tries the file again: the same message, and the switch turns on.
xd_click_control "$chord" frmChord lblFavorites
box="$(message_box)" || fail "\"Favorites\" showed no message box"
expect_eq "\"Favorites\" reports the missing file again" "$(message_text "$box")" "$MESSAGE"
xdotool key Return
wait_for "OK closes it again" no window_shown "$box"
wait_for "\"Favorites\" turns green" on label_state "$chord" frmChord lblFavorites
xd_click_control "$chord" frmChord lblClose
xd_wait_gone "Chord finder" "$WINDOW_TIMEOUT" || fail "\"Close\" did not close the chord finder"
pass "the empty chord finder closes"

# A chord file of random bytes, with chord and favourite markers among them.
folder="$(program_copy random-file)"
random_file="${TMPDIR:-/tmp}/kordelix-e2e-random-ChordData.txt"
{
    head -c 16384 /dev/urandom
    for _ in $(seq 150); do
        printf '!C'
        head -c $((RANDOM % 110)) /dev/urandom
        printf '\r\n!F'
        head -c $((RANDOM % 110)) /dev/urandom
        printf '\r\n'
    done
    head -c 16384 /dev/urandom
} >"$random_file"
cp "$random_file" "$folder/ChordData.txt"
echo "# random chord file: $random_file"
start_kordelix "$folder"
chord="$(open_tool "Chord finder" lblChord 0 640)"
pass "a chord file of random bytes opens the chord finder"
xd_click_inside "$chord" frmChord lstGroup 40 30
xd_click_inside "$chord" frmChord lstChord 40 50
xd_click_control "$chord" frmChord lblFavorites
wait_for "its favourites load too" on label_state "$chord" frmChord lblFavorites
xd_click_inside "$chord" frmChord lstChord 40 20
xd_click_control "$chord" frmChord lblClose
xd_wait_gone "Chord finder" "$WINDOW_TIMEOUT" || fail "\"Close\" did not close the chord finder"
kill -0 "$XD_PROGRAM_PID" 2>/dev/null || fail "the program ended on a chord file of random bytes"
chord="$(open_tool "Chord finder" lblChord 0 640)"
pass "after random chords the program still runs and opens the chord finder again"
