#!/usr/bin/env bash
# Starts the real program under Xvfb with a small tray host and checks that its
# icon lands in the tray. Exit 77 (skipped) where Xvfb or trayer is missing.
set -u
binary=$1
command -v Xvfb >/dev/null && command -v trayer >/dev/null && command -v xwininfo >/dev/null || exit 77

scratch=$(mktemp -d)
cleanup() {
    kill "$program" "$tray" "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

display=:$((100 + RANDOM % 400))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done

trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 >/dev/null 2>&1 &
tray=$!
sleep 1
"$binary" --data-dir "$scratch/data" &
program=$!

# The icon is a window embedded in trayer's panel: a window named after us
# among the panel's descendants (indented deeper than the panel line).
embedded_icons() {
    xwininfo -root -tree 2>/dev/null | awk '
        /"panel"/ { depth = match($0, /[^ ]/); inside = 1; next }
        inside && NF && match($0, /[^ ]/) <= depth { inside = 0 }
        inside && /"[Bb]rivonce"/ { count++ }
        END { print count + 0 }'
}
for _ in $(seq 100); do
    [ "$(embedded_icons)" -gt 0 ] && { echo "tray icon found"; exit 0; }
    sleep 0.2
done
echo "no tray icon appeared" >&2
xwininfo -root -tree >&2
exit 1
