# Shared steps of the end-to-end scripts, sourced by each of them with the
# build's bin folder as the script's first argument. Controls are found by name
# and colours by their palette name in the layout table the build writes there.
# Every wait has a deadline and polls quickly; a failed check saves a
# screenshot of the whole screen and ends the script.
set -euo pipefail

E2E_HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
E2E_SOURCE="$(cd "$E2E_HERE/../.." && pwd)"
source "$E2E_SOURCE/tools/xdriver.sh"

BIN="$(realpath "${1:?usage: $0 BIN_FOLDER}")"
PROBE="${E2E_PROBE:-$BIN/e2e_probe}"
PICTURES="$E2E_SOURCE/resources/pictures"
WORK="$(mktemp -d)"
E2E_NAME="$(basename "$0" .sh)"
E2E_CHECKS=0

for tool in Xvfb xdotool import xclip; do
    command -v "$tool" >/dev/null || {
        echo "FAIL: the end-to-end tests need $tool" >&2
        exit 1
    }
done

# Where the windows' controls lie (XD_LAYOUT) and the palette (PALETTE_*).
xd_load_layout "$BIN" || exit 1

# Deadlines in seconds: generous, because other builds may share the machine.
WINDOW_TIMEOUT=20
CHANGE_TIMEOUT=10

e2e_finish() {
    local status=$?
    e2e_stop_recorder
    xd_stop
    rm -rf "$WORK"
    if ((status == 0)); then
        echo "$E2E_NAME: all $E2E_CHECKS checks passed"
    fi
    exit "$status"
}
trap e2e_finish EXIT

# Records a sound server's source (a sink's monitor) into a file, 32-bit float,
# one channel, 48 000 frames a second, until e2e_stop_recorder or the end of the
# script: e2e_start_recorder SOURCE FILE
E2E_RECORDER_PID=""
e2e_start_recorder() {
    parecord --device="$1" --latency-msec=10 --format=float32le --channels=1 --rate=48000 \
        --raw "$2" &
    E2E_RECORDER_PID=$!
}

e2e_stop_recorder() {
    if [[ -n "$E2E_RECORDER_PID" ]]; then
        kill "$E2E_RECORDER_PID" 2>/dev/null || true
        wait "$E2E_RECORDER_PID" 2>/dev/null || true
    fi
    E2E_RECORDER_PID=""
}

# Skips the test (exit 77) when the PulseAudio server or its tools that the
# sound tests record through are not installed.
skip_without_pulseaudio() {
    local tool
    for tool in pulseaudio parecord pactl; do
        command -v "$tool" >/dev/null || {
            echo "SKIP: the $E2E_NAME test needs $tool (packages pulseaudio, pulseaudio-utils)"
            exit 77
        }
    done
}

fail() {
    local picture="${TMPDIR:-/tmp}/kordelix-e2e-$E2E_NAME-failure.png"
    echo "FAIL: $*" >&2
    if [[ -n "${DISPLAY:-}" ]] && import -window root "$picture" 2>/dev/null; then
        echo "screen at the failure: $picture" >&2
    fi
    if [[ -n "$XD_RUNTIME_DIR" && -s "$XD_RUNTIME_DIR/program.log" ]]; then
        echo "program output:" >&2
        sed 's/^/  /' "$XD_RUNTIME_DIR/program.log" >&2
    fi
    exit 1
}

pass() {
    E2E_CHECKS=$((E2E_CHECKS + 1))
    echo "ok $E2E_CHECKS - $*"
}

# expect_eq WHAT ACTUAL EXPECTED
expect_eq() {
    [[ "$2" == "$3" ]] || fail "$1: got [$2], expected [$3]"
    pass "$1"
}

# Starts the program from a folder (default: the build's bin folder) on a
# fresh virtual screen and waits for its main menu, whose id goes to MAIN.
start_kordelix() {
    local folder="${1:-$BIN}"
    xd_stop_screen
    xd_start_display || fail "no virtual screen"
    xd_start_program "$folder/kordelix"
    MAIN="$(xd_wait_window Kordelix "$WINDOW_TIMEOUT")" || fail "the main menu did not open"
}

# Prints the id of the one visible window with this caption; fails when there
# is none within the deadline or more than one.
window() {
    local id count
    id="$(xd_wait_window "$1" "$WINDOW_TIMEOUT")" || fail "no window \"$1\""
    count="$(xdotool search --onlyvisible --name "^$1\$" | wc -l)"
    ((count == 1)) || fail "$count windows \"$1\" are open"
    echo "$id"
}

# Opens a tool with a label of the main menu and moves its window to X, Y,
# clear of the main menu (there is no window manager, so every window opens
# centred on the screen): open_tool CAPTION LABEL_NAME X Y
open_tool() {
    local id
    xd_click_control "$MAIN" frmMain "$2"
    id="$(window "$1")"
    xdotool windowmove --sync "$id" "$3" "$4"
    echo "$id"
}

# A named control's rectangle, "x y width height" in its window, as words:
# control WINDOW_NAME CONTROL_NAME
control() {
    xd_control "$@" || fail "the layout table has no control $2 in $1"
}

# Saves a screenshot of a window and prints its file name.
shot() {
    local file
    file="$(mktemp --suffix=.png "$WORK/shot-XXXXXX")"
    import -window "$1" "$file" 2>/dev/null || fail "no screenshot of window $1"
    echo "$file"
}

# Pixels of a colour (within TOL per channel) in a rectangle of a window's
# client area: colour_count WINDOW X Y W H R,G,B [TOL]
colour_count() {
    local window="$1"
    shift
    "$PROBE" count "$(shot "$window")" "$@"
}

# Waits until a command prints the expected text, and fails with the last
# text it printed: wait_for WHAT EXPECTED COMMAND...
wait_for() {
    local what="$1" expected="$2" deadline=$((SECONDS + CHANGE_TIMEOUT)) got=""
    shift 2
    while :; do
        got="$("$@")" || fail "$what: the check itself failed"
        [[ "$got" == "$expected" ]] && break
        ((SECONDS <= deadline)) || fail "$what: got [$got], expected [$expected]"
        sleep 0.05
    done
    pass "$what"
}

# "on" when an action label shows the switched-on colour and none of the
# clickable-text colour, "off" for the opposite, "mixed" or "none" otherwise:
# label_state WINDOW WINDOW_NAME LABEL_NAME
label_state() {
    local file rect on off
    file="$(shot "$1")"
    rect=($(control "$2" "$3"))
    on="$("$PROBE" count "$file" "${rect[@]}" "$PALETTE_SwitchOn" 24)"
    off="$("$PROBE" count "$file" "${rect[@]}" "$PALETTE_Action" 24)"
    if ((on >= 10 && off == 0)); then
        echo on
    elif ((off >= 10 && on == 0)); then
        echo off
    elif ((on + off == 0)); then
        echo none
    else
        echo mixed
    fi
}

# The file of a picture the program carries, by its name in the layout table
# (PictureNames.h): picture_file NAME
picture_file() {
    local file="PICTURE_$1"
    [[ -n "${!file-}" ]] || fail "no picture $1 in the layout table"
    echo "$PICTURES/${!file}"
}

# Names every cell of a fretboard in a window's screenshot, one line per string
# from high E down, from the cell of the high E string named FIRST_CELL on:
# board WINDOW WINDOW_NAME FIRST_CELL COLUMNS LETTER=PICTURE_NAME ...
board() {
    local file first columns="$4" pictures=() p
    file="$(shot "$1")"
    first=($(control "$2" "$3"))
    shift 4
    for p in "$@"; do
        pictures+=("${p%%=*}=$(picture_file "${p#*=}")")
    done
    "$PROBE" grid "$file" "${first[0]}" "${first[1]}" "$columns" 6 "${pictures[@]}" | paste -sd ' '
}

# What the chord finder's fretboard shows: the six open-string pieces from the
# high E string down ("-" plain, "x" cross), then for each string the frets 1
# to 12 ("." plain, "o" dot, "A", "B", "C" the first, middle and last piece of a
# barre): chord_board WINDOW
chord_board() {
    local open
    open="$(board "$1" frmChord E0 1 -=OpenString x=MutedString | tr -d ' ')"
    echo "$open $(board "$1" frmChord 'E(1)' 12 .=PlainCell o=PressedCell A=BarreFirst \
        B=BarreMiddle C=BarreLast)"
}

# The same for a line of the chord file, drawn by the rules of the display:
# dots where a string is pressed, a cross where it is not played, then the
# barre's pieces over the dots: chord_board_of LINE
chord_board_of() {
    awk -v line="$1" 'BEGIN {
        for (s = 1; s <= 6; s++) {
            open[s] = "-"
            for (f = 1; f <= 12; f++) cell[s, f] = "."
            fret = substr(line, 31 + 3 * (s - 1), 2) + 0
            if (fret > 0) cell[s, fret] = "o"
            else if (fret == -1) open[s] = "x"
        }
        from = substr(line, 70, 1) + 0; to = substr(line, 72, 1) + 0
        at = substr(line, 74, 2) + 0
        if (at > 0)
            for (s = 1; s <= 6; s++) {
                if (from == s) cell[s, at] = "A"
                else if (s > 1 && from < s && to > s) cell[s, at] = "B"
                else if (s > 1 && to == s) cell[s, at] = "C"
            }
        out = ""
        for (s = 1; s <= 6; s++) out = out open[s]
        for (s = 1; s <= 6; s++) {
            out = out " "
            for (f = 1; f <= 12; f++) out = out cell[s, f]
        }
        print out
    }'
}

# The lines of one set of a chord file ("!C" or "!F"): chord_lines FILE MARKER
chord_lines() {
    awk -v marker="$2" '{ sub(/\r$/, "") } substr($0, 1, 2) == marker' "$1"
}

# The group of a chord line, without the blanks around it.
chord_group() {
    local group="${1:8:10}"
    group="${group#"${group%%[! ]*}"}"
    echo "${group%"${group##*[! ]}"}"
}

# The rows of one of the chord finder's lists (lstGroup, lstChord) that differ
# from its background, at a column just inside its left edge: the selected
# entry's band "top bottom" in pixels of the list, or nothing:
# selected_row WINDOW LIST_NAME
selected_row() {
    local list
    list=($(control frmChord "$2"))
    "$PROBE" runs "$(shot "$1")" $((list[0] + 3)) $((list[1] + 1)) $((list[1] + list[3] - 2)) \
        "$PALETTE_ListYellow" 10 | awk -v top="${list[1]}" '{ print $1 - top, $2 - top }'
}

# Left edge of the slider's pointer, which shows the tempo, searched along the
# pointer's row across the whole metronome.
metronome_pointer() {
    local window pointer
    window=($(control frmMetronome frmMetronome))
    pointer=($(control frmMetronome imgSliderCursor))
    "$PROBE" find "$(shot "$1")" 0 "${pointer[1]}" "${window[2]}" "${pointer[3]}" \
        "$(picture_file SliderPointer)" | cut -d' ' -f1
}

# Where the pointer stands for a tempo: offset x on the bar is tempo x + 30,
# and the pointer's apex lies 9 pixels right of its left edge.
pointer_for_tempo() {
    local t="$1" bar
    ((t < 40)) && t=40
    ((t > 240)) && t=240
    bar=($(control frmMetronome imgSlider))
    echo $((bar[0] + t - 30 - 9))
}

# Types a tempo into the tempo box as a person would: click, select all, type.
type_tempo() {
    xd_click_control "$1" frmMetronome txtValue
    xdotool key --clearmodifiers ctrl+a type "$2"
}

# The fret cells of the note table ("." plain, "R" red, "b" brown), one word
# per string from the high E down, frets 0 to 19: note_board WINDOW
note_board() {
    board "$1" frmNoteTable 'E(0)' 20 .=PlainCell R=ClickedCell b=MatchingCell
}

# The names of the note table's cells, E(0) to Es(19), start with their
# string's name, from the high E string down.
NOTE_STRINGS=(E B G D A Es)

# Clicks the cell of a string (1 = high E) and fret: note_cell_click WINDOW S F
note_cell_click() {
    xd_click_control "$1" frmNoteTable "${NOTE_STRINGS[$2 - 1]}($3)"
}

# Where a picture the program carries shows inside a rectangle of a window,
# as "x y" in the window, or "none" when it shows nowhere in it:
# picture_place WINDOW X Y W H PICTURE_NAME
picture_place() {
    local x y agree opaque file
    file="$(picture_file "$6")"
    read -r x y agree opaque < <("$PROBE" find "$(shot "$1")" "$2" "$3" "$4" "$5" "$file")
    if ((agree * 10 >= opaque * 9)); then
        echo "$x $y"
    else
        echo none
    fi
}

# The top of a picture on the note table's staff, in pixels of the staff, or
# "none": staff_picture_top WINDOW PICTURE_NAME
staff_picture_top() {
    local staff place
    staff=($(control frmNoteTable picStave))
    place="$(picture_place "$1" "${staff[@]}" "$2")"
    [[ "$place" == none ]] && echo none || echo $((${place#* } - staff[1]))
}

# The colour of one pixel of the whole screen: screen_colour X Y
screen_colour() {
    "$PROBE" pixel "$(shot root)" "$1" "$2"
}
