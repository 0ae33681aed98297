#!/usr/bin/env bash
# Builds Kordelix's Debian package from a build folder with CPack and checks it
# with lintian. Run as root or with sudo, it then tries the package as a user
# would: installs it with apt-get, starts kordelix from the PATH on a virtual
# screen until the main menu shows, removes it again and checks that none of
# its files is left behind.
#   tools/package.sh [--build-only] [BUILD_FOLDER]
# Without a build folder it sets up and builds build/ first (tools/setup.sh).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/xdriver.sh"

build_only=0
if [[ "${1:-}" == --build-only ]]; then
    build_only=1
    shift
fi
if (($#)); then
    build="$(realpath "$1")"
    cmake --build "$build" --parallel "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}" >/dev/null
else
    # installs what is missing, then configures and builds build/
    "$here/setup.sh" default >/dev/null
    build="$(realpath "$here/../build")"
fi
out="$build/package"

rm -rf "$out"
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || {
    cat "$out/cpack.log" >&2
    exit 1
}
debs=("$out"/kordelix_*.deb)
[[ ${#debs[@]} -eq 1 && -f "${debs[0]}" ]] || {
    echo "cpack made no kordelix_*.deb" >&2
    exit 1
}
deb="${debs[0]}"
echo "package: $deb"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
echo "Recommends: $(dpkg-deb -f "$deb" Recommends)"
[[ "$(dpkg-deb -f "$deb" Recommends)" == *qt6-wayland* ]] || {
    echo "the package does not recommend qt6-wayland: Wayland sessions would fall back to XWayland" >&2
    exit 1
}

if command -v lintian >/dev/null; then
    # lintian fails on errors; its warnings are shown
    if ! findings="$(lintian --tag-display-limit 0 --fail-on error "$deb" 2>"$out/lintian.log")"; then
        echo "${findings}" >&2
        grep -v 'root privileges' "$out/lintian.log" >&2 || true
        echo "lintian rejects the package" >&2
        exit 1
    fi
    echo "lintian: ${findings:-no findings}"
else
    echo "lintian is not installed: the package was not checked" >&2
fi

((build_only)) && exit 0
sudo=()
if [[ "$(id -u)" -ne 0 ]]; then
    if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
        sudo=(sudo)
    else
        echo "neither root nor sudo: the package was built but not tried"
        exit 0
    fi
fi
if dpkg-query -W -f='${Status}' kordelix 2>/dev/null | grep -q 'install ok installed'; then
    echo "kordelix is installed already: the package was built but not tried" >&2
    exit 1
fi

apt() {
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -qq "$@" >"$out/apt.log" 2>&1 || {
        cat "$out/apt.log" >&2
        return 1
    }
}
# On the way out a package installed here is purged: after its removal dpkg
# keeps a record of it, for its postrm script, until it is purged.
installed=0
finish() {
    local status=$?
    xd_stop
    if ((installed)); then
        apt purge kordelix || status=1
    fi
    exit "$status"
}
trap finish EXIT

# Every path the package holds.
mapfile -t paths < <(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||' |
    grep -v '^/*$')

apt install "$deb"
installed=1
program="$(command -v kordelix)" || {
    echo "FAIL: kordelix is not on the PATH after installing" >&2
    exit 1
}
echo "installed: $program -> $(realpath "$program")"

xd_start_display
xd_start_program "$program"
if ! xd_wait_window Kordelix 20 >/dev/null; then
    echo "FAIL: the installed kordelix showed no main menu" >&2
    cat "$XD_RUNTIME_DIR/program.log" >&2
    exit 1
fi
echo "started: the main menu shows"
xd_stop

apt remove kordelix
left=()
for path in "${paths[@]}"; do
    # folders such as /usr/share/icons stay for other packages
    if [[ -L "$path" || -f "$path" ]] || [[ -d "$path" && "$path" == *kordelix* ]]; then
        left+=("$path")
    fi
done
if ((${#left[@]})); then
    echo "FAIL: removing the package left ${left[*]}" >&2
    exit 1
fi
echo "removed: none of the package's ${#paths[@]} paths is left"
