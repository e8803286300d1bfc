#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one test program on a virtual X screen of its own (Xvfb, 1280x1024, 96 dots per inch)
# under the openbox window manager, so that frames, maximising, stacking and focus behave as on
# a desktop. The screen and the window manager go down with the script, however it ends.
# Usage: run-on-x11.sh <test program> [arguments]. Exits with the program's status, or 77 (the
# test is skipped) when Xvfb, openbox or xdotool is missing.
set -euo pipefail

program=${1:?usage: run-on-x11.sh <test program> [arguments]}
shift
# Sanitizer builds start slowly: every wait of this script gets this many seconds.
deadline=${VELLORA_X11_WAIT:-30}

for tool in Xvfb openbox xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid='' wm_pid='' test_pid=''

stop() {
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

cleanup() {
    local status=$?
    stop "$test_pid"
    stop "$wm_pid"
    stop "$xvfb_pid"
    if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
        for log in xvfb openbox; do
            [ ! -s "$work/$log.log" ] || { echo "--- $log:"; cat "$work/$log.log"; }
        done
    fi
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
# Stopped from outside (a timeout, Ctrl+C): the X server still goes down.
trap 'exit 143' TERM INT HUP

# Succeeds once "$@" does; fails with the message $1 after the deadline.
poll() {
    local message=$1 end=$((SECONDS + deadline))
    shift
    until "$@"; do
        if [ "$SECONDS" -ge "$end" ]; then
            echo "FAIL: $message" >&2
            exit 1
        fi
        sleep 0.1
    done
}

# A display number that no other server holds, chosen by Xvfb itself.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
poll "Xvfb gave no display number" test -s "$work/display"
export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"

# The tests never see the home folder, the desktop session or its bus.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
export XDG_CACHE_HOME="$work/home/.cache"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/run/no-bus"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY XDG_SESSION_TYPE SESSION_MANAGER
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
# The window manager is ready once it answers for its desktops.
poll "openbox did not start" xdotool get_num_desktops >/dev/null 2>&1
# The pointer rests in a corner, out of the windows' way.
xdotool mousemove 1279 1023

# In the background, so that a stop from outside reaches the traps at once.
"$program" "$@" &
test_pid=$!
status=0
wait "$test_pid" || status=$?
test_pid=''
exit "$status"
