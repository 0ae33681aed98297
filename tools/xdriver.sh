# Shell functions that drive the real program on a virtual X screen as a person
# would: find windows by their captions, click controls found by name, drag,
# and take screenshots; play the program's sound into a private sound server.
# Sourced by tools/tour.sh, the end-to-end tests and the benchmarks (the sound
# benchmarks from the copy the build puts in its bin folder).

XD_DISPLAY_PID=""
XD_PROGRAM_PID=""
XD_RUNTIME_DIR=""
XD_SOUND_PIDS=()

# Starts Xvfb on a free display number and exports DISPLAY. Safe when several
# screens start at once: a number counts as ours only when its lock file names
# our server, which answers. Numbers are tried from a random point of 150 to
# 399, clear of the numbers people use. The screen does not reset when its last
# client leaves (-noreset): a reset just after the check that it answers would
# refuse the program's first connection.
xd_start_display() {
    local first=$((150 + RANDOM % 250)) i n deadline
    for i in $(seq 0 249); do
        n=$((150 + (first - 150 + i) % 250))
        [[ -e "/tmp/.X${n}-lock" || -e "/tmp/.X11-unix/X${n}" ]] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
        XD_DISPLAY_PID=$!
        deadline=$((SECONDS + 20))
        while ((SECONDS <= deadline)) && kill -0 "$XD_DISPLAY_PID" 2>/dev/null; do
            if [[ "$(tr -d ' ' 2>/dev/null <"/tmp/.X${n}-lock")" == "$XD_DISPLAY_PID" ]] &&
                DISPLAY=":$n" xdotool getmouselocation >/dev/null 2>&1; then
                export DISPLAY=":$n"
                return 0
            fi
            sleep 0.02
        done
        kill "$XD_DISPLAY_PID" 2>/dev/null || true
        wait "$XD_DISPLAY_PID" 2>/dev/null || true
    done
    XD_DISPLAY_PID=""
    echo "could not start a virtual X screen" >&2
    return 1
}

# Starts the program in the background on the virtual screen: xd_start_program BINARY
xd_start_program() {
    XD_RUNTIME_DIR="$(mktemp -d)"
    chmod 700 "$XD_RUNTIME_DIR"
    XDG_RUNTIME_DIR="$XD_RUNTIME_DIR" SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" \
        QT_QPA_PLATFORM=xcb "$1" >"$XD_RUNTIME_DIR/program.log" 2>&1 &
    XD_PROGRAM_PID=$!
}

# Starts a private PulseAudio server whose one sink, SINK, is a null sink of
# 48 000 frames a second in 32-bit float that never rewinds, so that its
# monitor passes on exactly what was mixed, once. Its socket, state and log
# stay in FOLDER, which it makes; anyone who can reach the socket may connect.
# Exports PULSE_SERVER and SDL_AUDIODRIVER, so that the program started
# afterwards plays into it, and waits up to TIMEOUT seconds (default 20) for it
# to answer: xd_start_pulse SINK FOLDER [TIMEOUT]
#
# The server runs as desktops run it: at nice -11 with realtime threads where
# it may have them (as root, or through RealtimeKit), and with a silent sink
# of its own while SINK is gone (SDL 2.26 crashes when it starts on a server
# without any sink).
xd_start_pulse() {
    mkdir -m 700 "$2" "$2/runtime" "$2/home" || return 1
    XD_PULSE_SINK="$1" XD_PULSE_FOLDER="$2"
    export PULSE_SERVER="unix:$2/socket" SDL_AUDIODRIVER=pulseaudio
    xd_run_pulse "${3:-20}"
}

# Ends the private PulseAudio server at once, as a crash would, and starts it
# again on the same socket: xd_restart_pulse [TIMEOUT]
xd_restart_pulse() {
    xd_stop_sound_server KILL
    xd_run_pulse "${1:-20}"
}

xd_run_pulse() {
    local folder="$XD_PULSE_FOLDER"
    XDG_RUNTIME_DIR="$folder/runtime" HOME="$folder/home" \
        pulseaudio --daemonize=no --exit-idle-time=-1 -n --high-priority=yes \
        --realtime=yes --log-target=stderr \
        -L "module-null-sink sink_name=$XD_PULSE_SINK rate=48000 format=float32le norewinds=1" \
        -L "module-native-protocol-unix auth-anonymous=1 socket=$folder/socket" \
        -L module-always-sink >>"$folder/log" 2>&1 &
    XD_SOUND_PIDS=($!)
    xd_wait_sound_server "$1" "$folder/log"
}

# Starts a private PipeWire server, with its session manager and its
# PulseAudio service, on a D-Bus session of its own, and in it a null sink
# SINK as xd_start_pulse makes one; programs reach it as they reach
# PulseAudio. Needs pipewire, pipewire-pulse, wireplumber and dbus:
# xd_start_pipewire SINK FOLDER [TIMEOUT]
xd_start_pipewire() {
    local folder="$2" bus
    mkdir -m 700 "$folder" "$folder/runtime" "$folder/home" || return 1
    XD_PULSE_SINK="$1" XD_PULSE_FOLDER="$folder"
    bus="$(dbus-daemon --session --fork --print-address=1 --print-pid=1 \
        --address="unix:path=$folder/bus")" || return 1
    XD_SOUND_PIDS=("$(sed -n 2p <<<"$bus")")
    export PULSE_SERVER="unix:$folder/runtime/pulse/native" SDL_AUDIODRIVER=pulseaudio
    local program
    for program in pipewire wireplumber pipewire-pulse; do
        DBUS_SESSION_BUS_ADDRESS="unix:path=$folder/bus" XDG_RUNTIME_DIR="$folder/runtime" \
            HOME="$folder/home" "$program" >>"$folder/log" 2>&1 &
        XD_SOUND_PIDS+=($!)
        [[ "$program" == pipewire ]] && sleep 0.2
    done
    xd_wait_sound_server "${3:-20}" "$folder/log" || return 1
    pactl load-module module-null-sink "sink_name=$1" rate=48000 format=float32le >/dev/null &&
        pactl set-default-sink "$1"
}

# Waits up to TIMEOUT seconds for the sound server at PULSE_SERVER to answer,
# and shows its LOG when it does not: xd_wait_sound_server TIMEOUT LOG
xd_wait_sound_server() {
    local deadline=$((SECONDS + $1)) pid
    until pactl info >/dev/null 2>&1; do
        for pid in "${XD_SOUND_PIDS[@]}"; do
            if ((SECONDS > deadline)) || ! kill -0 "$pid" 2>/dev/null; then
                echo "the sound server did not start:" >&2
                cat "$2" >&2
                return 1
            fi
        done
        sleep 0.05
    done
}

# Ends the private sound server, as far as started, with a signal (default
# TERM): xd_stop_sound_server [SIGNAL]
xd_stop_sound_server() {
    local pid
    for pid in "${XD_SOUND_PIDS[@]}"; do
        kill "-${1:-TERM}" "$pid" 2>/dev/null || true
    done
    for pid in "${XD_SOUND_PIDS[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    XD_SOUND_PIDS=()
}

# Ends the program (if still running) and the virtual screen, leaving a sound
# server running for the next program.
xd_stop_screen() {
    if [[ -n "$XD_PROGRAM_PID" ]]; then
        kill "$XD_PROGRAM_PID" 2>/dev/null || true
        wait "$XD_PROGRAM_PID" 2>/dev/null || true
    fi
    if [[ -n "$XD_DISPLAY_PID" ]]; then
        kill "$XD_DISPLAY_PID" 2>/dev/null || true
        wait "$XD_DISPLAY_PID" 2>/dev/null || true
    fi
    if [[ -n "$XD_RUNTIME_DIR" ]]; then
        rm -rf "$XD_RUNTIME_DIR"
    fi
    XD_PROGRAM_PID="" XD_DISPLAY_PID="" XD_RUNTIME_DIR=""
}

# Ends the program, the virtual screen and the sound server, as far as started.
xd_stop() {
    xd_stop_screen
    xd_stop_sound_server
}

# Prints the id of the visible window whose caption is exactly NAME, waiting up
# to TIMEOUT seconds (default 10): xd_wait_window NAME [TIMEOUT]
xd_wait_window() {
    local name="$1" deadline=$((SECONDS + ${2:-10})) id
    while ((SECONDS <= deadline)); do
        id="$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n 1)"
        if [[ -n "$id" ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.02
    done
    echo "no window \"$name\" appeared" >&2
    return 1
}

# Waits until no visible window has the caption NAME: xd_wait_gone NAME [TIMEOUT]
xd_wait_gone() {
    local deadline=$((SECONDS + ${2:-10}))
    while ((SECONDS <= deadline)); do
        [[ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ]] && return 0
        sleep 0.02
    done
    echo "window \"$1\" did not close" >&2
    return 1
}

# Prints the screen position of a window's client area as "X Y". (xdotool's
# own position counts the frame twice once a window manager has framed it.)
xd_window_origin() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        END { print x, y }'
}

# Clicks the left (or given) button COUNT times (default once; 2 is a
# double-click) at client coordinates of a window: xd_click WINDOW X Y [BUTTON
# [COUNT]]
xd_click() {
    local origin
    origin=($(xd_window_origin "$1"))
    xd_pointer_to $((origin[0] + $2)) $((origin[1] + $3))
    if ((${5:-1} > 1)); then
        xdotool click --repeat "$5" --delay 80 "${4:-1}"
    else
        xdotool click "${4:-1}" # a delay would follow even a single click
    fi
}

# Moves the pointer to a screen position and waits until it is there. (xdotool's
# own wait stalls for many seconds when the pointer is there already.)
xd_pointer_to() {
    local X Y SCREEN WINDOW
    eval "$(xdotool getmouselocation --shell)"
    if ((X != $1 || Y != $2)); then
        xdotool mousemove --sync "$1" "$2"
    fi
}

# Saves a screenshot of one window: xd_shot WINDOW FILE
xd_shot() {
    import -window "$1" "$2"
}

# Waits until the program has ended and keeps its exit status in
# XD_PROGRAM_STATUS: xd_wait_exit [TIMEOUT]
xd_wait_exit() {
    local deadline=$((SECONDS + ${1:-10}))
    while ((SECONDS <= deadline)); do
        if ! kill -0 "$XD_PROGRAM_PID" 2>/dev/null; then
            XD_PROGRAM_STATUS=0
            wait "$XD_PROGRAM_PID" 2>/dev/null || XD_PROGRAM_STATUS=$?
            XD_PROGRAM_PID=""
            return 0
        fi
        sleep 0.02
    done
    echo "the program did not end" >&2
    return 1
}

# Drags with the left button from client coordinates of a window by DX, DY
# pixels, in small steps as a hand would: xd_drag WINDOW X Y DX DY
xd_drag() {
    local origin x y i steps=5
    origin=($(xd_window_origin "$1"))
    x=$((origin[0] + $2))
    y=$((origin[1] + $3))
    xd_pointer_to "$x" "$y"
    xdotool mousedown 1
    for i in $(seq 1 "$steps"); do
        xd_pointer_to $((x + $4 * i / steps)) $((y + $5 * i / steps))
    done
    xdotool mouseup 1
}

# Reads the layout table that the build writes beside the program: where each
# window's named controls lie (XD_LAYOUT), the palette's colours
# (PALETTE_<name>=R,G,B) and the files of the program's pictures
# (PICTURE_<name>=path in resources/pictures): xd_load_layout PROGRAM_FOLDER
xd_load_layout() {
    local table="$1/layout-table.sh"
    if [[ ! -s "$table" ]]; then
        echo "no layout table $table: build the layout-table target" >&2
        return 1
    fi
    source "$table"
}

# The rectangle of a named control in its window's client area, as
# "x y width height": xd_control WINDOW_NAME CONTROL_NAME
xd_control() {
    local rect="${XD_LAYOUT["$1/$2"]-}"
    if [[ -z "$rect" ]]; then
        echo "no control $2 in window $1 in the layout table" >&2
        return 1
    fi
    echo "$rect"
}

# Clicks as xd_click does at a point DX, DY from the top-left corner of a named
# control: xd_click_inside WINDOW WINDOW_NAME CONTROL_NAME DX DY [BUTTON [COUNT]]
xd_click_inside() {
    local rect
    rect=($(xd_control "$2" "$3")) || return 1
    xd_click "$1" $((rect[0] + $4)) $((rect[1] + $5)) "${6:-1}" "${7:-1}"
}

# The same at the centre of the control: xd_click_control WINDOW WINDOW_NAME
# CONTROL_NAME [BUTTON [COUNT]]
xd_click_control() {
    local rect
    rect=($(xd_control "$2" "$3")) || return 1
    xd_click "$1" $((rect[0] + rect[2] / 2)) $((rect[1] + rect[3] / 2)) "${4:-1}" "${5:-1}"
}
