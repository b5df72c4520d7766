#!/usr/bin/env bash
# Builds Brivonce and starts it. On a machine with no display it runs it under
# Xvfb with a small tray host, saves a screenshot, prints its path and ends the
# program cleanly (it saves its settings as at logout).
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh run
# The program alone: its tests and their libraries are ./test.sh's business.
cmake --preset default -DBRIVONCE_BUILD_TESTS=OFF -DBRIVONCE_BUILD_BENCH=OFF >/dev/null
cmake --build --preset default --target brivonce
binary=build/default/brivonce

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$binary" "$@"
fi

mkdir -p shots
shot="$PWD/shots/brivonce-$(date +%Y%m%d-%H%M%S).png"
# Xvfb picks a free display itself: a fixed or random number may be someone else's.
fifo=$(mktemp -u) && mkfifo "$fifo"
Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp 9>"$fifo" >/dev/null 2>&1 &
xvfb=$!
tray=
trap 'kill $tray "$xvfb" 2>/dev/null; rm -f "$fifo"' EXIT
read -r number <"$fifo"
export DISPLAY=:$number QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 \
    --transparent false --tint 0xd0d0d0 >/dev/null 2>&1 &
tray=$!
sleep 1

"$binary" "$@" &
program=$!
sleep "${BRIVONCE_SHOT_DELAY:-4}"
import -window root "$shot"
kill -TERM "$program"
wait "$program" || true
echo "Screenshot: $shot"
