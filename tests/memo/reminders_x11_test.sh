#!/usr/bin/env bash
# The real program's alarms on a real desktop (Xvfb, openbox, trayer) with a
# real sound server (a PulseAudio null sink), at real minutes:
#   - "Prévenir avant" chosen in the tray menu: the warning rings 5 minutes
#     before the activity, with its sound and its text;
#   - "Rappeler…" postpones it; the postponed alarm outlives a quit and rings
#     late, with the same text and sound, at the next start;
#   - the program stopped (SIGSTOP) across an alarm minute while the clock
#     jumps two hours (libfaketime): "Alarmes manquées" lists what the jump
#     skipped, the last hour still rings.
# Exit 77 (skipped) where a tool is missing. Takes two to four minutes.
set -u
binary=$1
source "$(dirname "$0")/../desktop_session.sh"
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -1)
session_require Xvfb openbox trayer xdotool xwininfo xprop pactl pulseaudio python3 iconv
[ -n "$faketime_lib" ] || { echo "skipped: libfaketime is missing"; exit 77; }

export HOME="$session_scratch/home"
mkdir -p "$HOME"
program=
cleanup() {
    [ -n "$program" ] && kill -CONT "$program" 2>/dev/null && kill "$program" 2>/dev/null
    "$scripts/audio-server.sh" stop "$session_scratch"
    session_cleanup
}
trap cleanup EXIT
"$scripts/audio-server.sh" start "$session_scratch" || { echo "skipped: no audio server"; exit 77; }
session_start_x11
session_start_trayer

data="$session_scratch/data"
ini="$data/brivonce.ini"
clock="$session_scratch/faketime"  # the offset the program's wall clock runs at
echo "+0" >"$clock"
mkdir -p "$data"

# Puts an activity into its week file: put MINUTES_FROM_NOW TEXT, the time
# taken on the program's clock; prints its label.
put() {
    python3 - "$data" "$1" "$2" "$(cat "$clock")" <<'PY'
import datetime, os, sys
folder, ahead, text, offset = sys.argv[1], int(sys.argv[2]), sys.argv[3], int(sys.argv[4])
now = datetime.datetime.now() + datetime.timedelta(seconds=offset)
when = (now + datetime.timedelta(minutes=ahead)).replace(second=0, microsecond=0)
monday = when.date() - datetime.timedelta(days=when.weekday())
path = os.path.join(folder, monday.strftime("%Y%m%d") + ".SEM")
if os.path.exists(path):
    lines = open(path, encoding="cp1252", newline="").read().split("\r\n")[:336]
else:
    lines = [line for _ in range(7) for hour in range(24) for line in ("%02d:00" % hour, "")]
row = (when.weekday() * 24 + when.hour) * 2
lines[row], lines[row + 1] = when.strftime("%H:%M"), text
open(path, "w", encoding="cp1252", newline="").write("\r\n".join(lines) + "\r\n")
print(when.strftime("%H:%M"))
PY
}
# Seconds to wait so that the next whole minute is at least 20 s away.
settle() {
    local second=$((10#$(date +%S)))
    [ "$second" -gt 40 ] && sleep $((61 - second))
}
start() {
    LD_PRELOAD="$faketime_lib" FAKETIME_TIMESTAMP_FILE="$clock" FAKETIME_NO_CACHE=1 \
        FAKETIME_DONT_FAKE_MONOTONIC=1 "$binary" --data-dir "$data" &
    program=$!
    wait_for 10 tray_icon || fail "no tray icon"
}
stop() {
    kill -TERM "$program"
    wait "$program"
    program=
}
tray_icon() {
    xwininfo -root -tree | awk '/"panel"/ { inside = 1 } inside && /"brivonce"/ { print $1; exit }' |
        grep .
}
# A visible window titled exactly `title`, other than the tray icon.
window_named() {
    local id
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
        [ "$(xwininfo -id "$id" | awk '/Width:/ { print $2 }')" -gt 40 ] && { echo "$id"; return 0; }
    done
    return 1
}
alarm_box() { window_named Brivonce; }
sound_playing() { [ -n "$(pactl list sink-inputs short 2>/dev/null)" ]; }
# A fixed dialog asks the window manager for neither minimise nor maximise.
fixed_frame() {
    local functions
    functions=$(xprop -id "$1" _MOTIF_WM_HINTS | sed 's/.*= *//' | cut -d, -f2)
    [ $((functions & 0x18)) -eq 0 ] || fail "$(xdotool getwindowname "$1") may be minimised"
}
ini_has() { iconv -f cp1252 -t utf-8 "$ini" | tr -d '\r' | grep -q "$1"; }
shot() { [ -n "${REMINDERS_SCREENSHOTS:-}" ] && import -window root "$REMINDERS_SCREENSHOTS/$1.png"; }
# Answers the alarm box with "&Rappeler…" and the delay offered first; the
# postponed alarm then stands in the settings, naming the alarm that rang.
snooze() {
    xdotool windowactivate --sync "$(alarm_box)" key alt+r
    wait_for window_named "Rappeler l'alarme" || fail "no snooze dialog"
    fixed_frame "$(window_named "Rappeler l'alarme")"
    shot snooze
    xdotool windowactivate --sync "$(window_named "Rappeler l'alarme")" key Return
    wait_for ini_has "^Rappel1=.*;$1\$" || fail "no snooze $1 stored: $(cat "$ini")"
}

# --- Advance warning chosen in the tray menu, then a snooze.
printf '[Config]\r\nShowOnStart=0\r\n' >"$ini"
settle
label=$(put 6 "Dentiste")  # warning due at the next whole minute
start
xdotool mousemove --window "$(tray_icon)" 10 10 click 3
wait_for test "$(xdotool search --onlyvisible --class brivonce | wc -l)" -gt 0 || fail "no tray menu"
xdotool key b v  # "&Brivonce", "Prévenir a&vant"
sleep 0.3
shot menu
xdotool key Down Return  # "5 min avant"
wait_for ini_has '^AvanceAlarme=5$' || fail "the advance was not stored: $(cat "$ini")"
wait_for 80 alarm_box || fail "no warning rang"
wait_for sound_playing || fail "the warning plays no sound"
shot warning
snooze "5;$label;Dentiste"  # the warning 5 minutes before, not the activity
wait_for sh -c "! pactl list sink-inputs short | grep -q ." || fail "the sound goes on after the answer"
stop

# The snooze comes due while the program is not running: at the next start
# it rings late, with the same text and sound.
sed -i 's/^Rappel1=[0-9]* [0-9:]*;/Rappel1='"$(date -d '-2 min' '+%Y%m%d %H:%M')"';/' "$ini"
start
wait_for 10 alarm_box || fail "the snooze did not ring after the restart"
wait_for sound_playing || fail "the snooze plays no sound"
ini_has Rappel1 && fail "the snooze that rang is still stored"
snooze "5;$label;Dentiste"  # the same alarm again
stop

# --- Stopped across an alarm minute while the clock jumps two hours.
rm -f "$data"/*.SEM
printf '[Config]\r\nShowOnStart=1\r\n' >"$ini"
settle
put 1 "Pendant l'arrêt" >/dev/null  # due while the program is stopped
put 30 "Dossier" >/dev/null           # inside the jump, beyond the last hour
late=$(put 100 "Réunion")             # within the last hour after the jump
start
wait_for ini_has '^DerniereMinute=' || fail "the first run kept no minute"
kill -STOP "$program"
sleep $((61 - 10#$(date +%S) + 2))  # past the alarm minute
echo "+7200" >"$clock"
kill -CONT "$program"
wait_for 10 window_named "Alarmes manquées" || fail "no missed-alarms window"
fixed_frame "$(window_named "Alarmes manquées")"
wait_for 10 alarm_box || fail "the last hour's activity did not ring"
wait_for sound_playing || fail "the late alarm plays no sound"
shot missed
snooze "0;$late;Réunion"
sleep 2
! alarm_box >/dev/null || fail "an activity beyond the last hour rang"
xdotool windowactivate --sync "$(window_named "Alarmes manquées")" key Escape
wait_for sh -c "! xdotool search --onlyvisible --name '^Alarmes manquées\$' | grep -q ." ||
    fail "Escape did not close the missed-alarms window"
stop
echo "reminder checks passed"
