#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop benchmark: what a user sees, timed from outside the program, each figure beside
# the same work done by other picture viewers (feh, gpicview), by a bare Qt window and by the
# JPEG decoder alone, all in one run on a virtual screen of 1920x1080 with openbox.
#
#   bash bench/desktop/run.sh [build folder]      (default build/release; RUNS=5 by default)
#
# Every figure is a median of RUNS runs after one warm-up, taken round-robin so that the
# programs share the machine's ups and downs; the range follows in brackets. Not part of CI:
# timings on a shared machine are noisy, so read the ratios, not the milliseconds.
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/virtualscreen.sh"

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=$(realpath "${1:-$repo/build/release}")
runs=${RUNS:-5}
rss_seconds=${RSS_SECONDS:-30}

# --- what it needs ---
packages=(xvfb xauth openbox xdotool feh gpicview libjpeg-turbo-progs libx11-dev pkg-config
    cmake ninja-build g++ qt6-base-dev)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends \
        "${missing[@]}"
fi
if [ ! -x "$build/vellora" ]; then
    (cd "$repo" && cmake --preset release >/dev/null && cmake --build --preset release --target vellora)
    build="$repo/build/release"
fi

work=$(mktemp -d)
xvfb_pid='' wm_pid=''
cleanup() {
    [ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP

echo "building the stopwatch and the bare Qt window ..."
cc -O2 -Wall -o "$work/xpoll" "$here/xpoll.c" $(pkg-config --cflags --libs x11)
cmake -S "$here/bareqt" -B "$work/bareqt" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/bareqt" >/dev/null
xpoll="$work/xpoll"

# --- pictures: ten 6000x4000 JPEGs (q90) of noisy vertical stripes, two colours each ---
# The stripes are 48 pixels wide: 12 on screen when fitted to the full-screen window. A second
# copy of the first picture has stripes of 240 pixels, 12 on screen in the default small window.
# Each picture's two colours are corners of the colour cube, and no two pictures share both, so
# that the stopwatch never takes one picture for another.
colours=(e02020:20e0e0 20e020:e020e0 2020e0:e0e020 202020:e0e0e0 e02020:20e020 2020e0:e0e0e0
    20e0e0:e020e0 e0e020:202020 e02020:2020e0 20e020:e0e0e0)
echo "making the pictures ..."
mkdir -p "$work/pictures"
for index in "${!colours[@]}"; do
    "$xpoll" makepicture 6000 4000 48 "${colours[$index]}" "$index" |
        cjpeg -quality 90 >"$work/pictures/slide$index.jpg"
done
"$xpoll" makepicture 6000 4000 240 "${colours[0]}" 99 | cjpeg -quality 90 >"$work/pictures/small.jpg"
: >"$work/slides.txt"
for index in "${!colours[@]}"; do echo "$work/pictures/slide$index.jpg" >>"$work/slides.txt"; done
echo "$work/pictures/small.jpg" >"$work/small.txt"

# --- the screen, and a session that never reaches the user's own ---
isolate_session "$work/home" "$work/run"
export LC_ALL=C.UTF-8
cat >"$work/rc.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <applications>
    <application class="Gpicview"><maximized>yes</maximized></application>
  </applications>
</openbox_config>
XML
start_virtual_screen "$work" 1920x1080 "$work/rc.xml"

# --- this program, as a portable copy with settings beside it ---
mkdir -p "$work/app"
cp "$build/vellora" "$work/app/"

# settings MAXIMISED FADE STARTUP-LIST: the show window's geometry (twips; the default size at
# 400,200 pixels) and the option record with a 1 s interval, fixed window, never on top.
settings() {
    printf '[Section]\r\nMainForm=1500*1500\r\nSubForm=4155*6000*3000*4515*%s\r\n' "$1" \
        >"$work/app/vel20.ini"
    printf 'Option=0*1*UnNamed*0*0*%s*0*1*1**%s\r\n' "$2" "$3" >>"$work/app/vel20.ini"
}

# --- measuring ---
results="$work/results"
mkdir -p "$results"
record() { echo "$2" >>"$results/$1"; }

# first NAME X Y COLOURS -- PROGRAM: launch to the first picture painted.
first() {
    local name=$1 x=$2 y=$3 colour=$4 value
    shift 5
    value=$("$xpoll" picture "$x" "$y" "$colour" -t 30 -- "$@" | awk '{ print $2 }') || value=''
    [ -z "$value" ] || record "$name" "$value"
}

# slides NAME -- PROGRAM: the delay between slides, less the 1 s interval, over ten slides.
slides() {
    local name=$1 times
    shift 2
    times=$("$xpoll" picture 960 560 "${colours[@]}" -t 40 -- "$@") || return 0
    # Only neighbours in the list, seen one after the other, make a delay; a slide missed
    # between two looks makes none. The first slide comes when its decode ends, after the
    # interval began: it starts no pair.
    awk 'NR > 2 && $1 == last + 1 { print $2 - at - 1000 }
        { last = $1; at = $2 }' <<<"$times" >>"$results/$name"
}

# mapped NAME TITLE X Y -- PROGRAM: launch to the window mapped and painted, with text at X,Y
# of it: for this program the first folder under the root volume, so the tree is filled.
mapped() {
    local name=$1 title=$2 x=$3 y=$4 value
    shift 5
    value=$("$xpoll" window "$title" "$x" "$y" -t 30 -- "$@" | awk '{ print $2 }') ||
        value=''
    [ -z "$value" ] || record "$name" "$value"
}

round() {
    settings 1 0 "$work/slides.txt"
    first first_max_vellora 960 560 "${colours[0]}" -- "$work/app/vellora"
    first first_max_feh 960 540 "${colours[0]}" -- feh -F "$work/pictures/slide0.jpg"
    first first_max_gpicview 960 540 "${colours[0]}" -- gpicview "$work/pictures/slide0.jpg"
    settings 0 0 "$work/small.txt"
    first first_default_vellora 550 345 "${colours[0]}" -- "$work/app/vellora"
    record djpeg_quarter "$("$xpoll" run -- djpeg -scale 1/4 -outfile /dev/null \
        "$work/pictures/slide0.jpg")"
    settings 0 0 ''
    mapped mapped_vellora 'Vellora 2000' 114 130 -- "$work/app/vellora"
    mapped mapped_bareqt 'Bare Qt' 50 67 -- "$work/bareqt/bareqt"
    settings 1 0 "$work/slides.txt"
    slides next_nofade_vellora -- "$work/app/vellora"
    settings 1 1 "$work/slides.txt"
    slides next_fade_vellora -- "$work/app/vellora"
    slides next_feh -- feh -F -D 1 $(cat "$work/slides.txt")
}

echo "warm-up ..."
round
rm -f "$results"/*
for run in $(seq "$runs"); do
    echo "run $run of $runs ..."
    round
done

echo "peak resident size over a ${rss_seconds} s show ..."
peak() {
    local name=$1 value
    shift 2
    value=$("$xpoll" picture 960 560 "${colours[0]}" -k "$rss_seconds" -t 30 -- "$@" |
        awk '/^peak_kib/ { print $2 }') || value=''
    [ -z "$value" ] || record "$name" "$(awk -v k="$value" 'BEGIN { printf "%.1f", k / 1024 }')"
}
settings 1 1 "$work/slides.txt"
peak rss_vellora -- "$work/app/vellora"
peak rss_feh -- feh -F -D 1 $(cat "$work/slides.txt")
peak rss_gpicview -- gpicview "$work/pictures/slide0.jpg"

# --- the table ---
median() { [ -s "$results/$1" ] && sort -g "$results/$1" | awk '{ v[NR] = $1 } END {
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.0f", m }' || echo "-"; }
range() { [ -s "$results/$1" ] && sort -g "$results/$1" | awk 'NR == 1 { lo = $1 } { hi = $1 }
    END { printf "[%.0f..%.0f]", lo, hi }' || echo ""; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "-" || b == "-" || b == 0) print "-";
    else printf "%.2f", a / b }'; }
row() { printf '| %-44s | %8s %-14s | %s |\n' "$1" "$(median "$2")" "$(range "$2")" "$3"; }

fastest_peer=$(printf '%s\n%s\n' "$(median first_max_feh)" "$(median first_max_gpicview)" |
    grep -v '^-$' | sort -g | head -n 1)
echo
echo "Desktop benchmark: Xvfb 1920x1080, openbox, ten 6000x4000 q90 JPEGs, $runs runs + warm-up"
echo
echo "| measure (ms unless said) | median [range] | ratio |"
echo "|---|---|---|"
row "first slide, full screen: this program" first_max_vellora \
    "$(ratio "$(median first_max_vellora)" "${fastest_peer:--}") of the faster peer"
row "first slide, full screen: feh" first_max_feh ""
row "first slide, full screen: gpicview" first_max_gpicview ""
row "first slide, default window: this program" first_default_vellora ""
row "djpeg -scale 1/4 of the first picture" djpeg_quarter \
    "$(ratio "$(median first_max_vellora)" "$(median djpeg_quarter)") (program / decoder)"
row "next slide − 1 s interval, no fade: this program" next_nofade_vellora ""
row "next slide − 1 s interval, fade: this program" next_fade_vellora "the fade's 50 frames of 50 ms"
row "next slide − 1 s interval: feh" next_feh ""
row "main window mapped with its tree: this program" mapped_vellora \
    "$(ratio "$(median mapped_vellora)" "$(median mapped_bareqt)") of bare Qt"
row "bare Qt window mapped" mapped_bareqt ""
row "peak RSS MiB, ${rss_seconds} s show: this program" rss_vellora \
    "$(ratio "$(median rss_vellora)" "$(median rss_feh)") of feh"
row "peak RSS MiB: feh" rss_feh ""
row "peak RSS MiB, one picture: gpicview" rss_gpicview ""
