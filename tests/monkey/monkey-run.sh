#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The monkey test: random keys, clicks, double clicks and drags on the real program, on a virtual
# X screen of its own with a window manager that binds no key or mouse button of its own, so that
# only the program acts on the input. It fails on a crash, a sanitizer or leak report, an exit
# that no quit action can have caused (among the last eight actions), or a moment when no window of the program can be seen
# (mapped, on the screen, larger than 100x100). On failure it prints the seed and the last
# actions, so that the run can be repeated.
#
#   monkey-run.sh <build folder> [seed] [seconds]
# Exits 0 on success, 77 when the X tools are missing.
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/virtualscreen.sh"

build=$(realpath "${1:?usage: monkey-run.sh <build folder> [seed] [seconds]}")
seed=${2:-${VELLORA_MONKEY_SEED:-2000}}
seconds=${3:-${VELLORA_MONKEY_SECONDS:-60}}
wait_limit=${VELLORA_E2E_WAIT:-60}

for tool in Xvfb openbox xdotool convert; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
chmod 755 "$work"
xvfb_pid='' wm_pid='' app_pid=''
actions=()

stop() {
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

cleanup() {
    local status=$?
    stop "$app_pid"
    stop "$wm_pid"
    stop "$xvfb_pid"
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP

fail() {
    echo "FAIL: $*"
    echo "seed $seed, $seconds s; the last actions:"
    printf '  %s\n' "${actions[@]: -20}"
    if [ -s "$work/vellora.log" ]; then
        echo "--- the program's output (last 60 lines):"
        tail -n 60 "$work/vellora.log"
    fi
    exit 1
}

# --- the screen: Xvfb with openbox that binds nothing ---
cat >"$work/rc.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <keyboard></keyboard>
  <mouse></mouse>
</openbox_config>
XML
start_virtual_screen "$work" 1280x1024 "$work/rc.xml" || fail "no virtual screen"

# --- a scratch home with pictures, some broken, and a start-up list ---
home="$work/home" run="$work/run"
mkdir -p "$home/写真/sub" "$home/.config/vellora" "$run" "$work/app"
for colour in red lime blue orange; do
    convert -size 320x240 "xc:$colour" "$home/写真/$colour.jpg"
done
convert -size 200x150 xc:purple "$home/写真/sub/purple.bmp"
head -c 600 "$home/写真/red.jpg" >"$home/写真/truncated.jpg"
echo "not a picture" >"$home/写真/text.jpg"
printf '%s\n' "$home"/写真/*.jpg >"$home/start.txt"
# The program's folder is not the user's to write, so the settings live in the user's
# configuration folder, and the folder tree's delete cannot take the program away.
cp "$build/vellora" "$work/app/"
chmod 555 "$work/app"
settings="$home/.config/vellora/vel20.ini"
printf '[Section]\r\nMainForm=1500*1500\r\nSubForm=4155*9000*3000*4515*0\r\n' >"$settings"
printf 'Option=0*1*UnNamed*1*0*1*0*1*1*%s*%s\r\n' "$home" "$home/start.txt" >>"$settings"

# Root gives way to the unprivileged account, so that the program cannot touch what a user
# could not.
run_as=()
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
    chown -R nobody:nogroup "$home" "$run"
    run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
chmod 700 "$run"

# Waits until the program shows a window, so that no input goes to a program still starting.
await_window() {
    local end=$((SECONDS + wait_limit))
    until [ "$(seen_windows)" -gt 0 ]; do
        kill -0 "$app_pid" 2>/dev/null || return 0
        [ "$SECONDS" -lt "$end" ] || fail "the program showed no window within ${wait_limit}s"
        sleep 0.2
    done
}

start_program() {
    HOME="$home" XDG_RUNTIME_DIR="$run" XDG_CONFIG_HOME="$home/.config" \
        XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 \
        DBUS_SESSION_BUS_ADDRESS="unix:path=$run/no-bus" \
        "${run_as[@]}" "$work/app/vellora" >>"$work/vellora.log" 2>&1 &
    app_pid=$!
}

sanitizer_report() {
    grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$work/vellora.log" 2>/dev/null
}

# The program's windows that can be seen: mapped, on the screen, larger than 100x100.
seen_windows() {
    local id count=0 WIDTH HEIGHT X Y
    for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)" || continue
        if [ "${WIDTH:-0}" -gt 100 ] && [ "${HEIGHT:-0}" -gt 100 ] && [ "$X" -lt 1280 ] &&
            [ "$Y" -lt 1024 ] && [ $((X + WIDTH)) -gt 0 ] && [ $((Y + HEIGHT)) -gt 0 ]; then
            count=$((count + 1))
        fi
    done
    echo "$count"
}

# The show opens as the main window hides, a dialog replaces a menu: a moment without a window
# is allowed, a long one is not. A sanitizer build on a loaded machine needs its seconds.
check_visible() {
    local end=$((SECONDS + 15))
    while [ "$(seen_windows)" -eq 0 ]; do
        kill -0 "$app_pid" 2>/dev/null || return 0
        [ "$SECONDS" -lt "$end" ] || fail "no window of the program can be seen"
        sleep 0.2
    done
}

keys=(Tab shift+Tab Return Escape space Left Right Up Down Home End Prior Next Delete BackSpace
    F2 F3 F4 F5 F6 F7 F10 F11 ctrl+e ctrl+s ctrl+a alt+f alt+e alt+t alt+h Menu shift+F10
    1 2 3 7 a x n y)
# Actions after which the program may end by the user's will: the close box, the end button or
# menu item (menus take either mouse button), an access key or Return on an open menu.
plausible_quit() {
    case $1 in click* | double* | right* | drag* | key\ Return | key\ space | key\ [a-z]) return 0 ;; esac
    return 1
}

random_point() {
    # Inside one of the program's windows most of the time, anywhere on the screen otherwise.
    local ids id WIDTH=1280 HEIGHT=1024 X=0 Y=0
    ids=($(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null)) || true
    if [ ${#ids[@]} -gt 0 ] && [ $((RANDOM % 8)) -ne 0 ]; then
        id=${ids[$((RANDOM % ${#ids[@]}))]}
        eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)" || true
    fi
    echo $((X + RANDOM % (WIDTH > 1 ? WIDTH : 1))) $((Y + RANDOM % (HEIGHT > 1 ? HEIGHT : 1)))
}

act() {
    local kind=$((RANDOM % 10)) x y x2 y2 action
    read -r x y < <(random_point)
    case $kind in
    0 | 1 | 2 | 3) action="key ${keys[$((RANDOM % ${#keys[@]}))]}"
        xdotool key --clearmodifiers "${action#key }" 2>/dev/null || true ;;
    4 | 5) action="click $x $y"
        xdotool mousemove "$x" "$y" click 1 2>/dev/null || true ;;
    6) action="double click $x $y"
        xdotool mousemove "$x" "$y" click --repeat 2 1 2>/dev/null || true ;;
    7) action="right click $x $y"
        xdotool mousemove "$x" "$y" click 3 2>/dev/null || true ;;
    *) read -r x2 y2 < <(random_point)
        action="drag $x $y to $x2 $y2"
        xdotool mousemove "$x" "$y" mousedown 1 mousemove "$(((x + x2) / 2))" "$(((y + y2) / 2))" \
            mousemove "$x2" "$y2" mouseup 1 2>/dev/null || true ;;
    esac
    actions+=("$action")
}

# --- the run ---
RANDOM=$seed
echo "monkey: seed $seed for $seconds s"
start_program
await_window
end=$((SECONDS + seconds))
count=0 restarts=0
while [ "$SECONDS" -lt "$end" ]; do
    act
    count=$((count + 1))
    sleep 0.05
    if ! kill -0 "$app_pid" 2>/dev/null; then
        status=0
        wait "$app_pid" || status=$?
        sanitizer_report && fail "a sanitizer report"
        [ "$status" -eq 0 ] || fail "the program ended with status $status"
        recent=("${actions[@]: -8}")
        quit=no
        for action in "${recent[@]}"; do plausible_quit "$action" && quit=yes; done
        [ "$quit" = yes ] || fail "the program ended without a quit action"
        actions+=("(the program ended by a quit action; started again)")
        restarts=$((restarts + 1))
        start_program
        await_window
        continue
    fi
    [ $((count % 10)) -ne 0 ] || check_visible
done

# --- the end, through the program, so that the leak checker runs ---
for _ in 1 2 3 4 5; do xdotool key Escape 2>/dev/null || true; sleep 0.2; done
main=''
for _ in $(seq 50); do
    kill -0 "$app_pid" 2>/dev/null || break
    main=$(xdotool search --onlyvisible --pid "$app_pid" --name '^Vellora 2000$' 2>/dev/null |
        head -n 1) || true
    [ -z "$main" ] || break
    xdotool key Escape 2>/dev/null || true
    sleep 0.2
done
if kill -0 "$app_pid" 2>/dev/null; then
    [ -n "$main" ] || fail "the main window did not come back to end the program"
    xdotool windowactivate --sync "$main" 2>/dev/null || true
    xdotool key F1
    for _ in $(seq $((wait_limit * 10))); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$app_pid" 2>/dev/null && fail "F1 did not end the program"
    status=0
    wait "$app_pid" || status=$?
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
fi
app_pid=''
sanitizer_report && fail "a sanitizer report"
echo "monkey: $count actions, $restarts restarts after a quit action, no fault"
