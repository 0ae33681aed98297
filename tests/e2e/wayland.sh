#!/usr/bin/env bash
# Kordelix as a native Wayland client of weston, at scale 1 and 2: every window
# opens and closes, the pictures are those drawn for the scale, the About
# window follows a drag of its background exactly, and Quit ends the program.
# Weston runs in a window of the virtual X screen (its x11 backend), because
# that backend takes real pointer input, which xdotool gives it; its headless
# backend has no input device at all, so there the test only sees the main
# menu open, in weston's own screenshot. Skipped (77) where weston is missing.
source "$(dirname "$0")/e2e_lib.sh"

command -v weston >/dev/null || {
    echo "weston is not installed: skipped"
    exit 77
}

WESTON_PID=""
stop_weston() {
    if [[ -n "$WESTON_PID" ]]; then
        kill "$WESTON_PID" 2>/dev/null || true
        wait "$WESTON_PID" 2>/dev/null || true
    fi
    WESTON_PID=""
}
trap 'stop_weston; e2e_finish' EXIT

# Starts weston with a backend at a scale, then the program in it:
# start_on_weston BACKEND SCALE [WESTON_OPTION...]
start_on_weston() {
    local backend="$1" deadline=$((SECONDS + WINDOW_TIMEOUT))
    SCALE="$2"
    shift 2
    stop_weston
    runtime="$(mktemp -d "$WORK/runtime-XXXXXX")"
    chmod 700 "$runtime"
    XDG_RUNTIME_DIR="$runtime" weston --backend="$backend" --use-pixman --no-config \
        --idle-time=0 --socket=kordelix-test --scale="$SCALE" \
        --width=$((1200 / SCALE)) --height=$((960 / SCALE)) "$@" >"$WORK/weston.log" 2>&1 &
    WESTON_PID=$!
    until [[ -S "$runtime/kordelix-test" ]]; do
        ((SECONDS <= deadline)) && kill -0 "$WESTON_PID" 2>/dev/null ||
            fail "weston did not start: $(cat "$WORK/weston.log")"
        sleep 0.05
    done
    XD_RUNTIME_DIR="$(mktemp -d)"
    XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=kordelix-test QT_QPA_PLATFORM=wayland \
        SDL_AUDIODRIVER=dummy "$BIN/kordelix" >"$XD_RUNTIME_DIR/program.log" 2>&1 &
    XD_PROGRAM_PID=$!
}

# The picture file the program shows at the current scale.
scaled_picture() {
    if ((SCALE > 1)); then
        echo "${1%.png}@${SCALE}x.png"
    else
        echo "$1"
    fi
}

# Where a picture the program carries shows on weston's output, as "x y" in
# screen pixels, or "none": on_output PICTURE PATCH_X PATCH_Y [X Y W H]. A
# small piece of it (at PATCH_X, PATCH_Y in the picture, in points) is looked
# for in the rectangle of the screen (default: the whole output), then the
# whole picture where the piece was found.
on_output() {
    find_picture "$(shot root)" "$@"
}

# The same in a screenshot: find_picture SCREEN PICTURE PATCH_X PATCH_Y [X Y W H]
find_picture() {
    local screen="$1" picture patch x y agree opaque size=$((8 * SCALE))
    shift
    picture="$PICTURES/$(scaled_picture "$1")"
    patch="$WORK/patch.png"
    convert "$picture" -crop "${size}x${size}+$(($2 * SCALE))+$(($3 * SCALE))" +repage "$patch"
    read -r x y agree opaque < <("$PROBE" find "$screen" "${4:-0}" "${5:-0}" "${6:-1200}" \
        "${7:-960}" "$patch")
    ((agree * 10 >= opaque * 9)) || {
        echo none
        return
    }
    x=$((x - $2 * SCALE))
    y=$((y - $3 * SCALE))
    read -r x y agree opaque < <("$PROBE" find "$screen" "$x" "$y" \
        "$(identify -format %w "$picture")" "$(identify -format %h "$picture")" "$picture")
    ((agree * 10 >= opaque * 9)) && echo "$x $y" || echo none
}

# The same, looked for only near a place: near PICTURE PATCH_X PATCH_Y X Y
near() {
    on_output "$1" "$2" "$3" $(($4 + ($2 - 20) * SCALE)) $(($5 + ($3 - 20) * SCALE)) \
        $((48 * SCALE)) $((48 * SCALE))
}

# Waits until a picture shows and sets PX, PY to its place and WX, WY to the
# place of the window's client area: window_at WHAT PICTURE PATCH_X PATCH_Y
# WINDOW_NAME ELEMENT
window_at() {
    local deadline=$((SECONDS + WINDOW_TIMEOUT)) place element
    element=($(control "$5" "$6"))
    while :; do
        place=($(on_output "$2" "$3" "$4"))
        [[ "${place[0]}" != none ]] && break
        ((SECONDS <= deadline)) || fail "$1 did not show"
        sleep 0.1
    done
    pass "$1 shows, drawn for scale $SCALE"
    PX=${place[0]} PY=${place[1]}
    WX=$((place[0] - element[0] * SCALE))
    WY=$((place[1] - element[1] * SCALE))
}

# Waits until a picture no longer shows where it was:
# gone WHAT PICTURE PATCH_X PATCH_Y X Y
gone() {
    local deadline=$((SECONDS + WINDOW_TIMEOUT))
    until [[ "$(near "$2" "$3" "$4" "$5" "$6")" == none ]]; do
        ((SECONDS <= deadline)) || fail "$1 is still there"
        sleep 0.1
    done
    pass "$1 is gone"
}

# Weston's x11 backend follows the pointer by its movements: it is taken out
# of weston's window and brought in where it should be, which weston takes as
# the pointer entering there.
pointer_at() {
    xdotool mousemove 1270 1015
    sleep 0.05
    xdotool mousemove "$1" "$2"
    sleep 0.05
}

# Clicks the middle of a control of a window whose client area is at X, Y:
# click_on X Y WINDOW_NAME CONTROL_NAME
click_on() {
    local rect
    rect=($(control "$3" "$4"))
    pointer_at $(($1 + (rect[0] + rect[2] / 2) * SCALE)) $(($2 + (rect[1] + rect[3] / 2) * SCALE))
    xdotool click 1
}

# Drags from a point of the window at X, Y (in points) by DX, DY screen
# pixels in small steps: drag X Y PX PY DX DY
drag() {
    local x=$(($1 + $3 * SCALE)) y=$(($2 + $4 * SCALE)) i
    pointer_at "$x" "$y"
    xdotool mousedown 1
    for i in 1 2 3 4 5; do
        sleep 0.05
        xdotool mousemove $((x + $5 * i / 5)) $((y + $6 * i / 5))
    done
    sleep 0.1
    xdotool mouseup 1
}

# Headless, at scale 2: the main menu in weston's own screenshot.
start_on_weston headless-backend.so 2 --debug
mkdir "$WORK/headless"
headless_menu() {
    rm -f "$WORK"/headless/*.png
    (cd "$WORK/headless" && XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=kordelix-test \
        weston-screenshooter >/dev/null 2>&1) || true
    local screen=("$WORK"/headless/*.png) agree opaque
    [[ -f "${screen[0]}" ]] || {
        echo none
        return
    }
    [[ "$(find_picture "${screen[0]}" layout/main-guitar.png 30 100)" != none ]] &&
        echo shown || echo none
}
wait_for "headless, the main menu opens at scale 2 with its large pictures" shown headless_menu
stop_weston

for scale in 1 2; do
    xd_stop_screen
    xd_start_display || fail "no virtual screen"
    start_on_weston x11-backend.so "$scale"
    window_at "the main menu" layout/main-guitar.png 30 100 frmMain Image1
    mx=$WX my=$WY

    # Each tool, found by a picture of its own, and closed with "Close".
    for tool in "the chord finder:lblChord:bitmap-120.png:8:2:frmChord:B(1)" \
        "the note table:lblNoteTable:layout/diagonal-guitar.png:100:60:frmNoteTable:Image1" \
        "the metronome:lblMetronome:layout/file-path-bar.png:273:4:frmMetronome:imgFilePath"; do
        IFS=: read -r what entry picture px py form element <<<"$tool"
        click_on "$mx" "$my" frmMain "$entry"
        window_at "$what" "$picture" "$px" "$py" "$form" "$element"
        click_on "$WX" "$WY" "$form" lblClose
        gone "$what" "$picture" "$px" "$py" "$PX" "$PY"
    done

    # The About window, moved by the compositor as the pointer drags it.
    click_on "$mx" "$my" frmMain lblAbout
    window_at "the About window" layout/red-guitar.png 10 10 frmAbout Image1
    ax=$WX ay=$WY
    drag "$ax" "$ay" 66 33 80 50
    wait_for "a drag of 80, 50 pixels moves the About window by 80, 50 at scale $scale" \
        "$((PX + 80)) $((PY + 50))" near layout/red-guitar.png 10 10 $((PX + 80)) $((PY + 50))
    drag $((ax + 80)) $((ay + 50)) 40 150 -30 -20
    wait_for "a drag back by -30, -20 moves it by -30, -20" \
        "$((PX + 50)) $((PY + 30))" near layout/red-guitar.png 10 10 $((PX + 50)) $((PY + 30))
    click_on $((ax + 50)) $((ay + 30)) frmAbout lblClose
    gone "the About window" layout/red-guitar.png 10 10 $((PX + 50)) $((PY + 30))

    click_on "$mx" "$my" frmMain lblQuit
    xd_wait_exit "$WINDOW_TIMEOUT" || fail "\"Quit\" did not end the program"
    expect_eq "the program ends cleanly at scale $scale" "$XD_PROGRAM_STATUS" 0
done
