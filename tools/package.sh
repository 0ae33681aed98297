#!/usr/bin/env bash
# Builds Kordelix's Debian package from a build folder with CPack and checks it
# with lintian. Run as root or with sudo, it then tries the package as a user
# would: installs it with apt-get, starts kordelix from the PATH on a virtual
# screen until the main menu shows, removes it again and checks that none of
# its files is left behind.
#   tools/package.sh [--build-only] [BUILD_FOLDER]      (default: build)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/xdriver.sh"

build_only=0
if [[ "${1:-}" == --build-only ]]; then
    build_only=1
    shift
fi
build="$(realpath "${1:-$here/../build}")"
out="$build/package"

cmake --build "$build" -j2 >/dev/null
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

if command -v lintian >/dev/null; then
    findings="$(lintian --no-tag-display-limit "$deb" 2>&1 || true)"
    echo "lintian: ${findings:-no findings}"
    if grep -q '^E:' <<<"$findings"; then
        echo "lintian reports errors" >&2
        exit 1
    fi
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
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -qq "$@" >/dev/null
}
installed=0
finish() {
    local status=$?
    xd_stop
    if ((installed)); then
        apt remove kordelix || true
    fi
    exit "$status"
}
trap finish EXIT

# Every path the package holds, without the folders it shares with others.
mapfile -t paths < <(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||' |
    grep -v '^/*$')

apt install "$deb"
installed=1
program="$(command -v kordelix)" || {
    echo "FAIL: kordelix is not on the PATH after installing" >&2
    exit 1
}
echo "installed: $program -> $(realpath "$program")"

xd_start_free_display
xd_start_program "$program"
if ! xd_wait_window Kordelix 20 >/dev/null; then
    echo "FAIL: the installed kordelix showed no main menu" >&2
    cat "$XD_RUNTIME_DIR/program.log" >&2
    exit 1
fi
echo "started: the main menu shows"
xd_stop

apt remove kordelix
installed=0
left=()
for path in "${paths[@]}"; do
    if [[ -L "$path" || -f "$path" ]] || [[ -d "$path" && "$path" == *kordelix* ]]; then
        left+=("$path")
    fi
done
if ((${#left[@]})); then
    echo "FAIL: removing the package left ${left[*]}" >&2
    exit 1
fi
echo "removed: none of the package's ${#paths[@]} paths is left"
