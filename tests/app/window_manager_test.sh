#!/usr/bin/env bash
# The real program under a real window manager (openbox) with a tray host
# (trayer): what an offscreen test cannot see. Exit 77 (skipped) where one of
# the tools is missing.
#   - the tray menu and the tray click work while the modal agenda is open;
#   - a minimised modal window comes back by a click on the tray icon or on
#     the memo window it blocks; fixed dialogs ask for no minimise button;
#   - window titles are exactly the program's own;
#   - the memo window comes back where it was, start after start, and a
#     place off the screen is brought back onto it.
set -u
binary=$1
for tool in Xvfb openbox trayer xdotool xprop xwininfo; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done

scratch=$(mktemp -d)
program=
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null
    kill "$tray" "$wm" "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

display=:$((500 + RANDOM % 400))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 >/dev/null 2>&1 &
tray=$!
sleep 1
data="$scratch/data"

# Waits until `command` succeeds (5 s at most).
wait_for() {
    for _ in $(seq 50); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}
start() {
    "$binary" --data-dir "$data" &
    program=$!
    wait_for memo_window || fail "no memo window"
    sleep 0.5
}
# SIGTERM: the program saves its settings as at logout.
stop() {
    kill -TERM "$program"
    wait "$program"
    program=
}
memo_window() { xdotool search --onlyvisible --name '^[a-z]{3}\. [0-9]{2}\.[0-9]{2}\.[0-9]{2}' | head -1 | grep .; }
agenda_window() { xdotool search --name ' [0-9]{4} - [0-9]{2}:[0-9]{2}' | head -1 | grep .; }
mapped() { xwininfo -id "$1" | grep -q 'IsViewable'; }
tray_icon() {
    xwininfo -root -tree | awk '/"panel"/ { inside = 1 } inside && /"brivonce"/ { print $1; exit }'
}
visible_windows() { xdotool search --onlyvisible --class brivonce | wc -l; }
# The memo window's frame: x y width height.
frame_place() {
    xwininfo -frame -id "$(memo_window)" |
        awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
             /Width/ { w = $NF } /Height/ { h = $NF } END { print x, y, w, h }'
}

# --- Titles, the tray while the agenda is open, a minimised modal window.
start
title=$(xdotool getwindowname "$(memo_window)")
case $title in *Brivonce*) fail "memo title has the program name appended: $title" ;; esac
xdotool windowactivate --sync "$(memo_window)" key ctrl+a
wait_for agenda_window || fail "ctrl+a opened no agenda"
agenda=$(agenda_window)
case $(xdotool getwindowname "$agenda") in
    " "*" - "[0-9][0-9]:[0-9][0-9]*) ;;
    *) fail "agenda title: $(xdotool getwindowname "$agenda")" ;;
esac
functions=$(xprop -id "$agenda" _MOTIF_WM_HINTS | sed 's/.*= *//' | cut -d, -f2)
[ $((functions & 0x18)) -eq 0 ] || fail "the agenda asks for minimise or maximise ($functions)"

icon=$(tray_icon)
[ -n "$icon" ] || fail "no tray icon"
before=$(visible_windows)
xdotool mousemove --window "$icon" 10 10 click 3
wait_for test "$(visible_windows)" -gt "$before" || fail "no tray menu while the agenda is open"
xdotool key Escape
sleep 0.3

xdotool windowminimize "$agenda"
wait_for sh -c "! xwininfo -id $agenda | grep -q IsViewable" || fail "the agenda did not minimise"
xdotool mousemove --window "$icon" 10 10 click 1
wait_for mapped "$agenda" || fail "a tray click did not bring the minimised agenda back"
xdotool windowminimize "$agenda"
wait_for sh -c "! xwininfo -id $agenda | grep -q IsViewable"
xdotool mousemove --window "$(memo_window)" 100 100 click 1
wait_for mapped "$agenda" || fail "a click on the memo window did not bring the agenda back"
xdotool key --window "$agenda" Escape
stop

# --- The memo window keeps its place from one start to the next.
places=()
for round in 1 2 3 4 5; do
    start
    places+=("$(frame_place)")
    stop
done
for place in "${places[@]}"; do
    [ "$place" = "${places[0]}" ] || fail "the memo window moved between starts: ${places[*]}"
done

# --- A place saved off the screen is brought back; a maximised window keeps
# the saved place.
printf '[MainW]\r\nx=100000\r\ny=-5000\r\nw=300\r\nh=250\r\nMaxi=0\r\n' >"$data/brivonce.ini"
start
sleep 0.5
read -r x y w h < <(frame_place)
[ "$x" -ge 0 ] && [ $((x + w)) -le 1024 ] && [ "$y" -ge 0 ] && [ $((y + h)) -le 768 ] ||
    fail "the memo window is not wholly on the screen: $x,$y ${w}x$h"
stop
printf '[MainW]\r\nx=10\r\ny=30\r\nw=300\r\nh=250\r\nMaxi=1\r\n' >"$data/brivonce.ini"
start
stop
grep -q $'x=10\r\ny=30\r\nw=300\r\nh=250\r\nMaxi=1\r' "$data/brivonce.ini" ||
    fail "the maximised window overwrote its saved place: $(head -6 "$data/brivonce.ini")"
echo "window manager checks passed"
