#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots on a virtual X screen: the main window with a slide list,
# the options dialog and the slide show (paused on its first picture). The pictures, folders
# and settings are the same on every run, so that two runs differ only in the clock panel.
# Usage: scripts/screenshots.sh [build folder] [out folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/release}")
out=$(realpath -m "${2:-docs/screenshots}")
mkdir -p "$out"

work=${TMPDIR:-/tmp}/vellora-screenshots
rm -rf "$work"
mkdir -p "$work"
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

# A portable copy of the program, so its settings file is the one prepared here.
cp "$build/vellora" "$build/VEL_Help.qch" "$build/VEL_Help.qhc" "$work/"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/home/.config"
pictures="$HOME/Pictures/旅行"
mkdir -p "$pictures" "$XDG_RUNTIME_DIR" "$HOME/Desktop"
chmod 700 "$XDG_RUNTIME_DIR"

font=$(fc-match -f '%{file}' 'IPAGothic')
colours=(skyblue seagreen orange plum khaki salmon)
for i in "${!colours[@]}"; do
    convert -size 960x640 "gradient:${colours[$i]}-white" -fill black -pointsize 64 \
        -font "$font" -gravity center -annotate 0 "写真 $((i + 1))" -quality 85 \
        "$pictures/photo_$((i + 1)).jpg" 2>/dev/null ||
        convert -size 960x640 "gradient:${colours[$i]}-white" "$pictures/photo_$((i + 1)).jpg"
done

# A UTF-8 text list (byte-order mark first) and settings that reopen it at start.
{
    printf '\xEF\xBB\xBF'
    for f in "$pictures"/*.jpg; do printf '%s\r\n' "$f"; done
} >"$HOME/Pictures/旅行.txt"
{
    printf '\xEF\xBB\xBF[Section]\n'
    printf 'Option=1*3*%s*0*0*1*0*1*1**\n' "$HOME/Pictures/旅行.txt"
    printf 'SubForm=6000*4200*1800*8000*0\n'
} >"$work/vel20.ini"

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 2>/dev/null &
pids+=($!)
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
openbox --sm-disable &
pids+=($!)
sleep 1
"$work/vellora" &
pids+=($!)
sleep 4

main=$(xdotool search --name '^Vellora 2000$' | head -n 1)
shoot() { import -frame -window "$1" "$2"; }

# Select the first list entry and step to the second, which shows it in the preview.
xdotool windowactivate --sync "$main"
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + 330)) $((Y + 245)) click 1
sleep 0.5
xdotool key Down
sleep 1
shoot "$main" "$out/main-window.png"

xdotool key ctrl+e
sleep 2
options=$(xdotool search --name '^オプション$' | head -n 1)
shoot "$options" "$out/options-dialog.png"
xdotool key Escape
sleep 1

xdotool windowactivate --sync "$main" key F7
sleep 1
xdotool key space
sleep 2
show=$(xdotool search --name 'スライドショー' | head -n 1)
shoot "$show" "$out/slide-show.png"
xdotool key Escape
sleep 1
echo "screenshots in $out"
