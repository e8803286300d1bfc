#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real program on a virtual X screen of its own (Xvfb with openbox) and drives it like
# a user with xdotool: start, open a list through the file dialog, play it, step, pause, close
# the show, end the program; then checks the settings file it wrote on the way out. A second
# run starts from the command line with a folder to play and is handed a list by a later start.
# Usage: e2e-run.sh <build folder>. Exits 0 on success, 77 when the X tools are missing.
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/virtualscreen.sh"

build=$(realpath "${1:?usage: e2e-run.sh <build folder>}")
# Sanitizer builds start and paint slowly: every wait gets this many seconds.
deadline=${VELLORA_E2E_WAIT:-30}

for tool in Xvfb openbox xdotool xwininfo xprop convert import; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid='' wm_pid='' app_pid=''

stop() {
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

cleanup() {
    local status=$?
    if [ "$status" -ne 0 ] && [ -s "$work/vellora.log" ]; then
        echo "--- the program's output:"
        cat "$work/vellora.log"
    fi
    stop "$app_pid"
    stop "$wm_pid"
    stop "$xvfb_pid"
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
# A test run stopped from outside (a timeout, Ctrl+C) still takes its X server down.
trap 'exit 143' TERM INT HUP

# Also called inside $(...), so the message goes to stderr; the program's output is shown once,
# by cleanup.
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

step() { echo "* $*"; }

# --- waiting, with a deadline each ---

# Succeeds once "$@" does, or fails the test with the message $1 after the deadline.
poll() {
    local message=$1 end=$((SECONDS + deadline))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || fail "$message"
        sleep 0.1
    done
}

# The ids of the visible windows whose title matches the pattern. A window that vanishes while
# xdotool looks through the windows stops it with an X error: that search fails, to be repeated.
visible_windows() {
    local found
    found=$(xdotool search --onlyvisible --name "$@" 2>&1) || true
    [[ $found =~ ^[0-9[:space:]]*$ ]] || return 1
    echo "$found"
}

# The id of the first visible window whose title matches the pattern, waiting for it.
window() {
    local end=$((SECONDS + deadline)) found
    while [ "$SECONDS" -lt "$end" ]; do
        found=$(timeout $((end - SECONDS)) xdotool search --sync --onlyvisible --name "$1" \
            2>/dev/null | head -n 1) || true
        if [ -n "$found" ]; then
            echo "$found"
            return
        fi
        sleep 0.1
    done
    fail "no window titled '$1' within ${deadline}s"
}

# The place and size of a window's frame, as the window manager drew it: left top width height.
# (xdotool's own geometry counts the offset inside the frame twice.)
frame_geometry() {
    local info left right top bottom
    info=$(xwininfo -id "$1")
    read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/^.*= //; s/,//g')
    field() { sed -n "s/^ *$1: *//p" <<<"$info"; }
    echo "$(($(field 'Absolute upper-left X') - left)) $(($(field 'Absolute upper-left Y') - top))" \
        "$(($(field Width) + left + right)) $(($(field Height) + top + bottom))"
}

no_window() {
    local found
    found=$(visible_windows "$1") && [ -z "$found" ]
}

# --- pictures: each slide is one plain colour, so its centre tells which one is on screen ---

colour_at_centre() {
    import -window "$1" "$work/shot.png" 2>/dev/null || return 1
    convert "$work/shot.png" -gravity center -crop 8x8+0+0 +repage -resize '1x1!' \
        -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info: 2>/dev/null
}

# Names the colour in the centre of the window: red, green, blue or other.
slide_on_screen() {
    local rgb r g b
    rgb=$(colour_at_centre "$1") || { echo none; return; }
    read -r r g b <<<"$rgb"
    if [ "$r" -gt 160 ] && [ "$g" -lt 96 ] && [ "$b" -lt 96 ]; then echo red
    elif [ "$g" -gt 160 ] && [ "$r" -lt 96 ] && [ "$b" -lt 96 ]; then echo green
    elif [ "$b" -gt 160 ] && [ "$r" -lt 96 ] && [ "$g" -lt 96 ]; then echo blue
    else echo "other($rgb)"; fi
}

next_slide() {
    case $1 in red) echo green ;; green) echo blue ;; blue) echo red ;; *) echo none ;; esac
}

showing() { [ "$(slide_on_screen "$1")" = "$2" ]; }

# The slide on screen, once it is one of the three.
current_slide() {
    local end=$((SECONDS + deadline)) seen
    while :; do
        seen=$(slide_on_screen "$1")
        case $seen in red | green | blue) echo "$seen"; return ;; esac
        [ "$SECONDS" -lt "$end" ] || fail "the show shows no slide of the list (centre: $seen)"
        sleep 0.1
    done
}

# --- the X screen ---

start_x() {
    start_virtual_screen "$work" 1280x1024 '' "$deadline" || fail "no virtual screen"
}

# --- the portable program, its pictures, its list and its settings ---

prepare() {
    cp "$build/vellora" "$work/"
    for help in VEL_Help.qch VEL_Help.qhc; do
        [ ! -f "$build/$help" ] || cp "$build/$help" "$work/"
    done
    isolate_session "$work/home" "$work/run"
    export LC_ALL=C.UTF-8
    mkdir -p "$work/写真"

    # Japanese folder and file names: the show finds the pictures only when the list's UTF-8
    # text is read right.
    local colour number=0
    list="$work/e2e-list.txt"
    printf '\xEF\xBB\xBF' >"$list"
    for colour in red lime blue; do
        number=$((number + 1))
        convert -size 640x480 "xc:$colour" -quality 95 "$work/写真/スライド$number.jpg" ||
            fail "convert could not make a picture"
        printf '%s\r\n' "$work/写真/スライド$number.jpg" >>"$list"
    done

    # Fixed window places, no fade, two seconds between slides, no list yet.
    settings="$work/vel20.ini"
    printf '[Section]\r\nMainForm=1500*1500\r\nSubForm=4500*9000*3000*6000*0\r\n' >"$settings"
    printf 'Option=0*2*UnNamed*0*0*0*0*1*1**\r\n' >>"$settings"
}

# --- the run ---

start_program() {
    step "start the program"
    "$work/vellora" >"$work/vellora.log" 2>&1 &
    app_pid=$!
    main=$(window '^Vellora 2000$')
    xdotool windowactivate --sync "$main"
}

one_main_window() {
    local found
    found=$(visible_windows '^Vellora 2000$') && [ "$(wc -l <<<"$found")" -eq 1 ]
}

second_copy_ends() {
    step "a second copy ends at once and shows nothing"
    local status=0
    timeout "$deadline" "$work/vellora" >"$work/second.log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "a second copy ended with status $status"
    poll "a second copy left a main window on screen" one_main_window
}

open_list() {
    step "open the list through ﾌｧｲﾙ > 開く (F2) and its file dialog"
    xdotool key F2
    local dialog
    dialog=$(window '^リストを開く$')
    xdotool windowactivate --sync "$dialog"
    # The file-name box has the focus; a full path there opens the file.
    xdotool type --delay 10 "$list"
    xdotool key Return
    poll "the file dialog stayed open after Enter" no_window '^リストを開く$'
}

play_show() {
    step "start the show (F7): it appears only for a list that holds pictures"
    xdotool windowactivate --sync "$main"
    xdotool key F7
    show=$(window 'スライドショー')
    poll "the main window stayed on screen during the show" no_window '^Vellora 2000$'
    xdotool windowactivate --sync "$show"

    step "the show plays on by itself, in list order"
    local first second
    first=$(current_slide "$show")
    second=$(next_slide "$first")
    poll "the show did not go on from $first to $second" showing "$show" "$second"

    step "Space pauses: the slide stays for several intervals"
    xdotool key space
    # One change is allowed: a tick caught between the key and its handling.
    local paused now changes=0 end=$((SECONDS + 6))
    paused=$(current_slide "$show")
    while [ "$SECONDS" -lt "$end" ]; do
        now=$(current_slide "$show")
        [ "$now" = "$paused" ] || changes=$((changes + 1))
        paused=$now
        sleep 0.2
    done
    [ "$changes" -le 1 ] || fail "Space did not pause the show ($changes changes in 5 s)"

    step "Right and Left step through the list by hand"
    local after_one after_two
    after_one=$(next_slide "$paused")
    after_two=$(next_slide "$after_one")
    xdotool key Right
    poll "Right did not show $after_one after $paused" showing "$show" "$after_one"
    xdotool key Right
    poll "Right did not show $after_two after $after_one" showing "$show" "$after_two"
    xdotool key Left
    poll "Left did not go back to $after_one" showing "$show" "$after_one"

    step "Space goes on playing"
    xdotool key space
    poll "the show did not go on after Space" showing "$show" "$after_two"

    step "a new place and size for the show window, which it keeps at its close"
    xdotool windowsize --sync "$show" 480 360
    xdotool windowmove --sync "$show" 300 150
    show_frame=$(frame_geometry "$show")

    step "Esc closes the show and brings the main window back"
    xdotool key Escape
    poll "Esc did not close the show" no_window 'スライドショー'
    main=$(window '^Vellora 2000$')
}

program_ended() { ! kill -0 "$app_pid" 2>/dev/null; }

end_program() {
    step "end the program through ﾌｧｲﾙ > 終了 (F1)"
    xdotool windowactivate --sync "$main"
    xdotool key F1
    poll "the program did not end after F1" program_ended
    local status=0
    wait "$app_pid" || status=$?
    app_pid=''
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

# The value of a key in the settings file.
setting() { tr -d '\r' <"$settings" | sed -n "s/^$1=//p"; }

check_settings() {
    step "check the settings file written at the end"
    [ -f "$settings" ] || fail "no settings file $settings"
    # A portable copy keeps its settings beside itself, never in the configuration folder.
    [ ! -e "$XDG_CONFIG_HOME/vellora/vel20.ini" ] || fail "settings written to $XDG_CONFIG_HOME"
    head -c 12 "$settings" | grep -q '\[Section\]' || fail "the settings file has no [Section]"

    local option expected_option
    option=$(setting Option)
    expected_option="0*2*$list*0*0*0*0*1*1**"
    [ "$option" = "$expected_option" ] ||
        fail "Option is '$option', expected '$expected_option' (the opened list as the current one)"

    local main_form
    main_form=$(setting MainForm)
    [ "$main_form" = "1500*1500" ] || fail "MainForm is '$main_form', expected it back as 1500*1500"

    # Height, left, top, width of the show window's frame as it closed, in twips: 15 a pixel at
    # 96 dots per inch.
    local sub_form expected_sub left top width height
    sub_form=$(setting SubForm)
    read -r left top width height <<<"$show_frame"
    expected_sub="$((height * 15))*$((left * 15))*$((top * 15))*$((width * 15))*0"
    [ "$sub_form" = "$expected_sub" ] ||
        fail "SubForm is '$sub_form', expected '$expected_sub' (a frame of ${width}x$height px at $left,$top)"
    tr -d '\r' <"$settings"
}

play_from_command_line() {
    step "start with --show and a folder: the show plays at once, the main window stays hidden"
    "$work/vellora" --show "$work/写真" >>"$work/vellora.log" 2>&1 &
    app_pid=$!
    show=$(window 'スライドショー')
    current_slide "$show" >/dev/null
    no_window '^Vellora 2000$' || fail "the main window came up for a start with --show"

    step "a later start with a list brings the minimised show back and ends with 0"
    xdotool windowminimize --sync "$show"
    poll "the show window did not go to the taskbar" no_window 'スライドショー'
    local status=0
    DESKTOP_STARTUP_ID="e2e-launch_TIME$(date +%s)" timeout "$deadline" "$work/vellora" "$list" \
        >"$work/second.log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "a later start ended with status $status"
    show=$(window 'スライドショー')

    step "Esc ends the show; the handed list is the list of the main window"
    xdotool windowactivate --sync "$show"
    xdotool key Escape
    main=$(window '^Vellora 2000$')
    end_program
    local option
    option=$(setting Option)
    [ "$option" = "0*2*$list*0*0*0*0*1*1**" ] ||
        fail "Option is '$option': the list handed over by the later start was not opened"
}

prepare
start_x
start_program
second_copy_ends
open_list
play_show
end_program
check_settings
play_from_command_line
echo "PASS"
