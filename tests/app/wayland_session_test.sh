#!/usr/bin/env bash
# The real program in a Wayland session: sway on a headless output with
# XWayland, waybar's tray as the StatusNotifier host, a private bus. A native
# run keeps the post-its' and the memo window's saved places (Wayland cannot
# tell them); without QT_QPA_PLATFORM the program runs through XWayland; the
# icon appears when waybar starts after the program, and again after waybar
# restarts. Exit 77 (skipped) where a tool is missing.
set -u
source "$(dirname "$0")/../desktop_session.sh"
session_run_unprivileged "$0" "$@"
binary=$1
# Under the sanitizers: the Wayland graphics libraries unload themselves before
# the leak check runs, so what they keep shows as leaks of unknown modules that
# no suppression can name. The program's own leaks are checked by the X11 runs.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
session_require sway swaymsg Xwayland waybar dbus-daemon gdbus python3
session_start_bus
session_start_sway

data=$session_scratch/data
mkdir -p "$data/postits"
printf 'Bonjour' >"$data/postits/1.txt"
printf '[MainW]\r\nx=300\r\ny=250\r\n[postit1]\r\nx=700\r\ny=100\r\n' >"$data/brivonce.ini"

# Runs the program until its post-it is on screen, then ends it as a logout does.
run_until_postit_shown() {
    "$binary" --data-dir "$data" >>"$session_scratch/program.log" 2>&1 &
    program=$!
    wait_for 15 eval 'sway_windows | grep -q "	Post-it 1$"' || fail "no post-it window"
    shell=$(sway_windows | awk -F'\t' '$2 == "Post-it 1" { print $1 }')
    kill -TERM "$program"
    wait "$program" || fail "the program did not end well: $(tail -5 "$session_scratch/program.log")"
}
saved() { python3 -c '
import configparser, sys
ini = configparser.ConfigParser()
ini.read(sys.argv[1], encoding="cp1252")
print(*(ini[s][k] for s, k in (("MainW", "x"), ("MainW", "y"), ("postit1", "x"), ("postit1", "y"))))
' "$data/brivonce.ini"; }

QT_QPA_PLATFORM=wayland run_until_postit_shown
[ "$shell" = xdg_shell ] || fail "the native run was not native: $shell"
[ "$(saved)" = "300 250 700 100" ] || fail "a native run changed the saved places: $(saved)"
echo "a native run keeps the saved places"

run_until_postit_shown
[ "$shell" = xwayland ] || fail "without QT_QPA_PLATFORM the program ran as $shell"
echo "in a Wayland session the program runs through XWayland"

"$binary" --data-dir "$data" >>"$session_scratch/program.log" 2>&1 &
program=$!
wait_for 15 eval 'sway_windows | grep -q "	Post-it 1$"' || fail "the program did not start"
icon_registered() { sni_item_property Title | grep -q "'Brivonce'"; }
session_start_waybar
wait_for 10 icon_registered || fail "the icon did not reach waybar started after the program"
session_stop_waybar
session_start_waybar
wait_for 10 icon_registered || fail "the icon did not come back after waybar restarted"
echo "the icon appears when waybar starts late, and after it restarts"
kill -TERM "$program"
wait "$program"
