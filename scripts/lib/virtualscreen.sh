# SPDX-License-Identifier: GPL-3.0-or-later
# The virtual desktop that the end-to-end, x11 and monkey tests and the desktop benchmark run
# on: Xvfb on a display number it picks itself, at 96 dots per inch, with the openbox window
# manager. Sourced, not run.

# start_virtual_screen WORK WIDTHxHEIGHT [OPENBOX-RC] [SECONDS]
# Sets and exports DISPLAY, and sets xvfb_pid and wm_pid for the caller to stop. The logs go
# to WORK/xvfb.log and WORK/openbox.log. Fails, saying why on standard error, when the server
# or the window manager is not up within SECONDS (20 by default).
start_virtual_screen() {
    local work=$1 size=$2 rc=${3:-} seconds=${4:-20} end
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -dpi 96 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    exec 3>&-
    end=$((SECONDS + seconds))
    until [ -s "$work/display" ]; do
        [ "$SECONDS" -lt "$end" ] || { echo "Xvfb gave no display number" >&2; return 1; }
        sleep 0.05
    done
    DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
    export DISPLAY
    openbox --sm-disable ${rc:+--config-file "$rc"} >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    # The window manager is ready once it answers for its desktops.
    until xdotool get_num_desktops >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$end" ] || { echo "openbox did not start" >&2; return 1; }
        sleep 0.05
    done
    # The pointer rests in the far corner, out of the windows' way.
    xdotool mousemove $((${size%x*} - 1)) $((${size#*x} - 1))
}

# isolate_session HOME RUNTIME-FOLDER
# What runs from here on never sees the user's folders, desktop session or session bus, and
# talks to the virtual screen through X11.
isolate_session() {
    export HOME=$1 XDG_RUNTIME_DIR=$2
    export XDG_CONFIG_HOME="$HOME/.config" XDG_CACHE_HOME="$HOME/.cache"
    export XDG_DATA_HOME="$HOME/.local/share"
    # libdbus must not start a bus of its own for the virtual display either.
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/no-bus"
    export QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY XDG_SESSION_TYPE SESSION_MANAGER
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
}
