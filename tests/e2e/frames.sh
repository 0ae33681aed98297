#!/usr/bin/env bash
# Under a window manager (openbox): each framed window opens with its whole
# frame in the middle of the work area, and a minimised tool comes back when
# its entry in the main menu is clicked, as the same window.
source "$(dirname "$0")/e2e_lib.sh"

command -v openbox >/dev/null || fail "the window manager test needs openbox"

# A window's frame as "x y width height", from its client area on the screen
# and the frame extents the window manager gives it.
frame_of() {
    local extents x y width height
    extents="$(xprop -id "$1" _NET_FRAME_EXTENTS | grep -o '[0-9, ]*$' | tr -d ' ')"
    [[ -n "$extents" ]] || return 1
    IFS=, read -r left right top bottom <<<"$extents"
    read -r x y < <(xd_window_origin "$1")
    read -r width height < <(xwininfo -id "$1" | awk '/Width:/ { w = $NF } /Height:/ { h = $NF }
        END { print w, h }')
    echo "$((x - left)) $((y - top)) $((width + left + right)) $((height + top + bottom))"
}

# How far a window's frame stands from the middle of the work area, as "dx
# dy" in pixels (doubled, so that half pixels stay whole): 0 or 1 is centred.
off_centre() {
    local frame area
    frame=($(frame_of "$1")) || return 1
    area=($(xprop -root _NET_WORKAREA | grep -o '[0-9, ]*$' | tr -d ' ' | tr , ' '))
    echo "$(((2 * frame[0] + frame[2]) - (2 * area[0] + area[2]))) \
$(((2 * frame[1] + frame[3]) - (2 * area[1] + area[3])))" | tr -s ' '
}

centred() {
    local d
    d=($(off_centre "$1")) || return 1
    ((d[0] >= -1 && d[0] <= 1 && d[1] >= -1 && d[1] <= 1)) && echo centred || echo "off by ${d[*]}"
}

# "minimised" or "shown", from the window manager's state of a window.
shown_state() {
    if xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN; then
        echo minimised
    elif xwininfo -id "$1" | grep -q IsViewable; then
        echo shown
    else
        echo unmapped
    fi
}

xd_stop_screen
xd_start_display || fail "no virtual screen"
openbox >/dev/null 2>&1 &
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    kill -0 $! 2>/dev/null || fail "openbox did not start"
    sleep 0.05
done
xd_start_program "$BIN/kordelix"
MAIN="$(xd_wait_window Kordelix "$WINDOW_TIMEOUT")" || fail "the main menu did not open"
wait_for "the main menu's frame is centred" centred centred "$MAIN"

for tool in "Chord finder:frmChord:lblChord" "Note table:frmNoteTable:lblNoteTable" \
    "Metronome:frmMetronome:lblMetronome"; do
    IFS=: read -r caption form entry <<<"$tool"
    xd_click_control "$MAIN" frmMain "$entry"
    id="$(window "$caption")"
    wait_for "the $caption's frame is centred" centred centred "$id"
    xdotool windowminimize --sync "$id"
    wait_for "the $caption is minimised" minimised shown_state "$id"
    xd_click_control "$MAIN" frmMain "$entry"
    wait_for "its entry brings the minimised $caption back" shown shown_state "$id"
    expect_eq "it is the same $caption" "$(window "$caption")" "$id"
    # Closed again, as it covers the main menu.
    xd_click_control "$id" "$form" lblClose
    xd_wait_gone "$caption" "$WINDOW_TIMEOUT" || fail "the $caption did not close"
done
