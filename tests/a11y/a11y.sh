#!/usr/bin/env bash
# What a screen reader reads: starts the accessibility bus and the real program
# on a virtual screen with Qt's AT-SPI bridge on, then walks the windows with
# the keyboard alone and checks the tree (a11y_tree.py). Run inside its own
# D-Bus session: dbus-run-session -- bash a11y.sh BIN_FOLDER
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=../../tools/xdriver.sh
source "$here/../../tools/xdriver.sh"

bus_pid=""
finish() {
    [[ -n "$bus_pid" ]] && kill "$bus_pid" 2>/dev/null
    xd_stop
}
trap finish EXIT

xd_start_display || exit 1
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus_pid=$!
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
xd_start_program "$1/kordelix"
/usr/bin/python3 "$here/a11y_tree.py"
