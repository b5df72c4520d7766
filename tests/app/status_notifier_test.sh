#!/usr/bin/env bash
# The real program on X11 with xfce4-panel's tray, a StatusNotifier host on a
# private session bus, started after the program (the usual order at login):
# the icon appears with its title, its click and its menu work, a second start
# (a launcher click) shows the running copy's memo window, and the icon comes
# back after the panel restarts. Exit 77 (skipped) where a tool is missing.
set -u
binary=$1
source "$(dirname "$0")/../desktop_session.sh"
session_require Xvfb openbox xfce4-panel dbus-daemon gdbus xdotool xwininfo xprop xev python3
session_start_x11
session_start_bus

data=$session_scratch/data
mkdir -p "$data"
printf '[Config]\r\nShowOnStart=0\r\n' >"$data/brivonce.ini"
memo_window() { xdotool search --onlyvisible --name '^[a-z]{3}\. [0-9]{2}\.[0-9]{2}\.[0-9]{2}'; }
memo_hidden() { ! memo_window; }
# The window manager's close, as the title bar's button.
close_memo() {
    xdotool windowactivate --sync "$(memo_window | head -1)" key alt+F4
    wait_for memo_hidden || fail "closing did not hide the memo window"
}
icon_registered() { sni_item_property Title | grep -q "'Brivonce'"; }

session_spawn "$binary" --data-dir "$data"
# No tray comes: after a short wait the memo window is the way back, whatever
# the settings say.
wait_for 10 memo_window || fail "no memo window without a tray"
session_start_xfce_tray
wait_for 10 icon_registered || fail "the icon did not reach the late StatusNotifier host"
echo "icon registered with the late host, titled Brivonce"

close_memo
sni_activate
wait_for memo_window || fail "a click on the icon did not show the memo window"
close_memo

sni_menu_click "A &propos..." || fail "no item A propos in the tray menu"
about_box() { xdotool search --onlyvisible --name '^A propos$'; }
wait_for about_box || fail "the tray menu did nothing"
xdotool windowactivate --sync "$(about_box)" key Escape
wait_for 2 test -z "$(about_box)" || fail "the about box stayed open"
echo "the icon's click and menu work"

# A launcher click: the launcher's busy feedback must end although the second
# copy shows no window of its own.
xev -root -event property >"$session_scratch/root-events" &
session_pids+=($!)
wait_for test -s "$session_scratch/root-events"
told=$(DESKTOP_STARTUP_ID=launcher-1_TIME0 "$binary" --data-dir "$data" 2>&1) ||
    fail "the second start failed"
[ "$told" = "Brivonce est déjà lancé : sa fenêtre est affichée." ] || fail "second start said: $told"
wait_for memo_window || fail "a second start did not show the running copy's memo window"
wait_for grep -q _NET_STARTUP_INFO_BEGIN "$session_scratch/root-events" ||
    fail "the second start left the launcher's feedback running"
close_memo
echo "a second start shows the running copy and ends the launcher's feedback"

session_stop_xfce_tray
session_start_xfce_tray
wait_for 10 icon_registered || fail "the icon did not come back after the panel restarted"
echo "the icon is back after the panel restarted"
