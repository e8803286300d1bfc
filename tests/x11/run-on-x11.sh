#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one test program on a virtual X screen of its own (Xvfb, 1280x1024, 96 dots per inch)
# under the openbox window manager, so that frames, maximising, stacking and focus behave as on
# a desktop. The screen and the window manager go down with the script, however it ends.
# Usage: run-on-x11.sh <test program> [arguments]. Exits with the program's status, or 77 (the
# test is skipped) when Xvfb, openbox or xdotool is missing.
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/virtualscreen.sh"

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

isolate_session "$work/home" "$work/run"
start_virtual_screen "$work" 1280x1024 '' "$deadline" || exit 1

# In the background, so that a stop from outside reaches the traps at once.
"$program" "$@" &
test_pid=$!
status=0
wait "$test_pid" || status=$?
test_pid=''
exit "$status"
