#!/usr/bin/env bash
# The real program started in the tray (openbox, trayer), its memo window never
# shown: an activity due at the next minute shows its box on that minute, not
# up to 59 s later as a timer counted from the start would.
set -u
binary=$1
source "$(dirname "$0")/../desktop_session.sh"
session_require Xvfb openbox trayer xdotool python3
session_start_x11
session_start_trayer

# Started well inside a minute, so a timer counted from the start would ring
# at least 5 s late.
second=$((10#$(date +%S)))
if [ "$second" -lt 5 ]; then
    sleep $((5 - second))
elif [ "$second" -gt 40 ]; then
    sleep $((65 - second))
fi
due=$((($(date +%s) / 60 + 1) * 60))
data="$session_scratch/data"
mkdir -p "$data"
printf '[Config]\r\nShowOnStart=0\r\n' >"$data/brivonce.ini"
# The week file of the due minute, its slot holding "Rappel" at that minute.
python3 - "$data" "$due" <<'PY'
import datetime, sys
folder, due = sys.argv[1], datetime.datetime.fromtimestamp(int(sys.argv[2]))
monday = due.date() - datetime.timedelta(days=due.weekday())
lines = []
for day in range(7):
    for hour in range(24):
        if day == due.weekday() and hour == due.hour:
            lines += [f"{due:%H:%M}", "Rappel"]
        else:
            lines += [f"{hour:02d}:00", ""]
with open(f"{folder}/{monday:%Y%m%d}.SEM", "wb") as out:
    out.write(("\r\n".join(lines) + "\r\n").encode("cp1252"))
PY

"$binary" --data-dir "$data" &
session_pids+=($!)
wait_for 10 xdotool search --class brivonce || fail "the program did not start"
[ "$(date +%s)" -lt "$due" ] || fail "the program took too long to start"
wait_for $((due + 15 - $(date +%s))) xdotool search --onlyvisible --name '^Brivonce$' ||
    fail "no alarm box"
late=$(($(date +%s%N) / 1000000 - due * 1000))
[ "$late" -le 3000 ] || fail "the alarm box came ${late} ms after the minute"
echo "alarm box ${late} ms after the minute"
