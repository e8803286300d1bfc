#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program on a virtual X screen with a window manager and saves a screenshot of
# the whole screen. Usage: scripts/screenshot-main.sh [build folder] [picture]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
out=${2:-/tmp/h3-main.png}
export DISPLAY=:97
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
Xvfb :97 -screen 0 1280x1024x24 &
pids+=($!)
sleep 1
openbox --sm-disable &
pids+=($!)
sleep 1
(cd "$build" && ./vellora) &
pids+=($!)
sleep 4
import -window root "$out"
echo "$out"
