#!/usr/bin/env bash
# The program as installed: `cmake --install` into a temporary root, the
# desktop entry and the AppStream metadata as their validators see them, the
# icon at every size, and the installed program started through its bin/ link
# on a virtual screen, offering its icon at every size to the window manager and
# finding its chord library, audio module and click sounds in the folder it was
# installed to.
#   install.sh BUILD_BIN_FOLDER BUILD_FOLDER
source "$(dirname "$0")/../e2e/e2e_lib.sh"

build="$(realpath "${2:?usage: $0 BUILD_BIN_FOLDER BUILD_FOLDER}")"
root="$WORK/root"
metainfo_id=org.example.kordelix.Kordelix

for tool in desktop-file-validate appstreamcli identify xprop; do
    command -v "$tool" >/dev/null || fail "the install test needs $tool"
done

DESTDIR="$root" cmake --install "$build" --prefix /usr >"$WORK/install.log" ||
    fail "cmake --install failed: $(cat "$WORK/install.log")"
pass "cmake --install into a temporary root"

# The link on the PATH leads to the program's folder, which holds everything
# the program reads from beside itself.
program="$(realpath "$root/usr/bin/kordelix")"
[[ "$program" == "$root"/usr/lib*/kordelix/kordelix && -x "$program" ]] ||
    fail "usr/bin/kordelix leads to $program, not to the installed program"
pass "usr/bin/kordelix is a link to the installed program"
folder="$(dirname "$program")"
for file in ChordData.txt Rhythm01.wav Rhythm02.wav Rhythm03.wav libkordelix-audio.so; do
    [[ -f "$folder/$file" ]] || fail "$file is missing beside the program"
done
pass "the chord library, the click sounds and the audio module lie beside the program"

desktop="$root/usr/share/applications/kordelix.desktop"
report="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate: $report"
expect_eq "desktop-file-validate finds nothing to report" "$report" ""
summary="Guitar chord finder, note table and metronome"
expect_eq "the desktop entry's comment is the program's summary" \
    "$(sed -n 's/^Comment=//p' "$desktop")" "$summary"

metainfo="$root/usr/share/metainfo/$metainfo_id.metainfo.xml"
report="$(appstreamcli validate --no-net "$metainfo" 2>&1)" || fail "appstreamcli: $report"
expect_eq "appstreamcli finds no error or warning" \
    "$(grep -E '^[EW]:' <<<"$report" || true)" ""
launchable="$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")"
expect_eq "the metadata launches the installed desktop entry" "$launchable" "$(basename "$desktop")"
expect_eq "the metadata's summary is the program's summary" \
    "$(sed -n 's|.*<summary>\(.*\)</summary>.*|\1|p' "$metainfo")" "$summary"
while read -r shot; do
    [[ -f "$E2E_SOURCE/docs/$shot" ]] || fail "the metadata shows $shot, which docs/ does not hold"
done < <(grep -o '<image>[^<]*</image>' "$metainfo" | sed 's|.*/\([^/<]*\)</image>|\1|')
pass "every screenshot of the metadata is one of the tour's pictures"

# The icon the desktop entry names, at every size of the theme; at 16 pixels it
# is the window icon picture.
icons="$root/usr/share/icons/hicolor"
icon="$(sed -n 's/^Icon=//p' "$desktop")"
for size in 16 24 32 48 64 128 256; do
    file="$icons/${size}x$size/apps/$icon.png"
    [[ -f "$file" ]] || fail "no $size pixel icon"
    expect_eq "the $size pixel icon is $size pixels square" "$(identify -format %wx%h "$file")" \
        "${size}x$size"
done
# Compared pixel by pixel, with room for the last bit of an edge's colour:
# Qt's raster engine may blend a shade differently on another processor.
differing="$(compare -metric AE -fuzz 1% "$icons/16x16/apps/$icon.png" \
    "$(picture_file WindowIcon)" null: 2>&1)" || true
[[ "$differing" == 0 ]] || fail "the 16 pixel icon is not the window icon picture ($differing pixels)"
pass "the 16 pixel icon is the window icon picture"
[[ "$(head -c 200 "$icons/scalable/apps/$icon.svg")" == *"<svg"* ]] || fail "no scalable icon"
pass "the scalable icon is an SVG picture"

# Started by the link, the installed program opens its main menu, draws the
# first chord of its installed chord file and plays its clicks.
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$WORK/clicks.raw"
start_kordelix "$root/usr/bin"
pass "the installed program shows its main menu"
expect_eq "the main menu offers the window manager its icon at every size" \
    "$(xprop -id "$MAIN" -len 1000000 _NET_WM_ICON | grep -o 'Icon ([0-9]* x' | tr -dc '0-9\n' |
        paste -sd ' ')" "16 24 32 48 64 128 256"
chord="$(open_tool "Chord finder" lblChord 0 640)"
first="$(chord_lines "$folder/ChordData.txt" '!C' | sed -n 1p)"
wait_for "the installed chord finder draws the first chord of the file" \
    "$(chord_board_of "$first")" chord_board "$chord"
metronome="$(open_tool Metronome lblMetronome 900 20)"
xd_click_control "$metronome" frmMetronome lblStartStop
wait_for "the installed metronome runs" on label_state "$metronome" frmMetronome lblStartStop
deadline=$((SECONDS + CHANGE_TIMEOUT))
until [[ -n "$("$PROBE" onsets "$SDL_DISKAUDIOFILE" 100 2>/dev/null)" ]]; do
    ((SECONDS <= deadline)) || fail "the installed metronome wrote no click"
    sleep 0.1
done
pass "the installed metronome's clicks are heard"
