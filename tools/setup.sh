#!/usr/bin/env bash
# Installs the Debian packages Kordelix needs (only those missing), then
# configures and builds one CMake preset: tools/setup.sh [default|sanitize]
set -euo pipefail
cd "$(dirname "$0")/.."

preset="${1:-default}"

packages=(
    cmake g++ make                       # tool chain
    qt6-base-dev libsdl2-dev             # Qt 6 Widgets and Test, SDL2 audio
    qt6-svg-dev                          # the scalable program icon
    fonts-comic-neue fonts-dejavu-core   # the faces behind "Comic Sans MS" and "MS Sans Serif"
    xvfb xauth xdotool imagemagick xclip # virtual screen, pointer, screenshots, clipboard
    pulseaudio pulseaudio-utils          # sound server for the sound test and the timing benches
    pipewire pipewire-pulse wireplumber  # the other desktop sound server, for the timing benches
    rt-tests                             # cyclictest: the machine's own wake-up latency, in the benches
    dpkg-dev file lintian                # the Debian package: library dependencies, checks
    desktop-file-utils appstream         # validators of the desktop entry and AppStream file
    x11-utils                            # xprop, xwininfo: window icons, frames, positions
    openbox                              # a window manager: frames, minimised windows
    weston qt6-wayland                   # a Wayland desktop and Qt's client for it
    dbus at-spi2-core python3-pyatspi    # the accessibility bus, read as a screen reader does
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    sudo=()
    if [[ "$(id -u)" -ne 0 ]]; then
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# As many compile jobs as the machine has cores, unless the caller says otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
