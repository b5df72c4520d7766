#!/usr/bin/env bash
# The real program under Xvfb with the openbox window manager: a post-it
# comes back where it was moved and at its size after a restart, and what is
# typed into it reaches the disk within seconds, even when the program is
# then killed. Exit 77 (skipped) where Xvfb, openbox or xdotool is missing.
set -u
binary=$1
for tool in Xvfb openbox xdotool xwininfo xprop; do
    command -v $tool >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done

scratch=$(mktemp -d)
program=""
cleanup() {
    [ -n "$program" ] && kill -9 "$program" 2>/dev/null
    kill "$wm" "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A display number no other server holds, so the test never drives another's.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$scratch/display") QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 1

data=$scratch/data
mkdir -p "$data/postits"
printf 'Bonjour' >"$data/postits/1.txt"
printf '[postit1]\r\nx=200\r\ny=150\r\nw=300\r\nh=180\r\n' >"$data/brivonce.ini"

start() {
    "$binary" --data-dir "$data" >/dev/null 2>&1 &
    program=$!
    for _ in $(seq 100); do
        note=$(xdotool search --name '^Post-it 1$' 2>/dev/null | head -1)
        [ -n "$note" ] && xwininfo -id "$note" 2>/dev/null | grep -q IsViewable && return
        sleep 0.1
    done
    fail "no post-it window appeared"
}

# "x y w h": the frame's top-left corner, the inside's size.
placement() {
    local info extents
    info=$(xwininfo -id "$note")
    extents=$(xprop -id "$note" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    set -- $extents
    echo "$(($(echo "$info" | awk '/Absolute upper-left X/ {print $4}') - $1))" \
        "$(($(echo "$info" | awk '/Absolute upper-left Y/ {print $4}') - $3))" \
        "$(echo "$info" | awk '/Width:/ {print $2}')" "$(echo "$info" | awk '/Height:/ {print $2}')"
}

section() {
    tr -d '\r' <"$data/brivonce.ini" | awk '/^\[postit1\]/ {on = 1; next} /^\[/ {on = 0}
        on && /^[xywh]=/ {printf "%s ", substr($0, 3)}'
}

start
sleep 0.5
[ "$(placement)" = "200 150 300 180" ] || fail "placed at $(placement), not 200 150 300 180"
xdotool windowmove "$note" 400 300 windowsize "$note" 250 120
sleep 0.5
kill -TERM "$program"
wait "$program"
program=""
[ "$(section)" = "400 300 250 120 " ] || fail "saved $(section), not 400 300 250 120"

start
sleep 0.5
[ "$(placement)" = "400 300 250 120" ] || fail "came back at $(placement), not 400 300 250 120"
xdotool windowactivate --sync "$note"
xdotool key ctrl+End
xdotool type --delay 20 " tout le monde"
sleep 2.5
kill -9 "$program"
wait "$program" 2>/dev/null
program=""
text=$(cat "$data/postits/1.txt")
[ "$text" = "Bonjour tout le monde" ] || fail "the note holds '$text' after SIGKILL"
echo "post-its placed, restored and saved as typed"
