#!/usr/bin/env bash
# A deletion over the week files with a StatusNotifier tray (xfce4-panel on a
# private D-Bus bus, openbox as window manager): the tray menu reaches the
# program over D-Bus while the walk runs, where no modal window stops it.
#   - "Quitter", "Effacer", "Courses..." and a click on the icon open nothing,
#     and the deletion stays done, also after the quit's save;
#   - the agenda and the progress dialog are centred from their first showing;
#     the progress dialog asks for no caption button, and a close request from
#     the window manager acts as "Abandon".
set -u
binary=$1
source "$(dirname "$0")/../desktop_session.sh"
session_require Xvfb openbox xfce4-panel dbus-daemon gdbus xdotool xprop xwininfo python3
session_start_x11
session_start_bus
session_start_xfce_tray

data="$session_scratch/data"
mkdir -p "$data"
# No alarm may ring in the middle; the memo window is never shown, so no list
# of past activities opens.
printf '[Config]\r\nShowOnStart=0\r\n[Options]\r\nAlarme=0\r\n' >"$data/brivonce.ini"
monday=$(date -d "$(($(date +%u) - 1)) days ago" +%F)
# Long enough that the walk outlasts the menu clicks on an idle machine.
weeks=5000
# Every hour of each Monday holds "Réunion", for `weeks` weeks from this one.
python3 - "$data" "$monday" "$weeks" <<'PY'
import datetime, sys
folder, first, count = sys.argv[1], datetime.date.fromisoformat(sys.argv[2]), int(sys.argv[3])
lines = []
for day in range(7):
    for hour in range(24):
        lines += [f"{hour:02d}:00", "Réunion" if day == 0 else ""]
data = ("\r\n".join(lines) + "\r\n").encode("cp1252")
for week in range(count):
    with open(f"{folder}/{first + datetime.timedelta(weeks=week):%Y%m%d}.SEM", "wb") as out:
        out.write(data)
PY
first_week="$data/$(date -d "$monday" +%Y%m%d).SEM"
last_week="$data/$(date -d "$monday + $((weeks - 1)) weeks" +%Y%m%d).SEM"
# The Monday hours of a week file that still hold "Réunion".
meetings() {
    python3 -c '
import sys
lines = open(sys.argv[1], "rb").read().decode("cp1252").split("\r\n")
print(" ".join(lines[2 * h][:2] for h in range(24) if lines[2 * h + 1] == "Réunion"))' "$1"
}
visible() { xdotool search --onlyvisible --name "$1" | head -1 | grep .; }
# The frame of `window` (client and _NET_FRAME_EXTENTS) centred in the work
# area within 2 pixels.
centred() {
    local x y w h left right top bottom ax ay aw ah
    read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF }
        /Absolute upper-left Y/ { y = $NF } /Width/ { w = $NF } /Height/ { h = $NF }
        END { print x, y, w, h }')
    read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | tr -d , | awk '{ print $3, $4, $5, $6 }')
    read -r ax ay aw ah < <(xprop -root _NET_WORKAREA | tr -d , | awk '{ print $3, $4, $5, $6 }')
    local dx=$(((x - left + x + w + right) - (2 * ax + aw)))
    local dy=$(((y - top + y + h + bottom) - (2 * ay + ah)))
    [ "${dx#-}" -le 4 ] && [ "${dy#-}" -le 4 ] ||
        { echo "off centre by $((dx / 2)),$((dy / 2))"; return 1; }
}
# Deletes every occurrence of the Monday slot at `y` in the agenda.
delete_everywhere() {
    xdotool mousemove --window "$agenda" 150 "$1" click 1
    sleep 0.3
    xdotool key Delete
    wait_for visible 'Supprimer une activit' || fail "no deletion choice"
    xdotool mousemove --window "$(visible 'Supprimer une activit')" 173 95 click 1
    wait_for visible 'Suppression en cours' || fail "no progress dialog"
    progress=$(visible 'Suppression en cours')
}

"$binary" --data-dir "$data" &
program=$!
session_pids+=("$program")
wait_for 10 sni_item || fail "no StatusNotifier item"
sni_menu_click "Agenda..." || fail "no Agenda item in the tray menu"
wait_for visible ' [0-9]{4} - [0-9]{2}:[0-9]{2}' || fail "no agenda"
agenda=$(visible ' [0-9]{4} - [0-9]{2}:[0-9]{2}')
wait_for centred "$agenda" || fail "agenda: $(centred "$agenda")"

# --- The tray menu during the walk.
delete_everywhere 60
wait_for centred "$progress" || fail "progress dialog: $(centred "$progress")"
read -r flags functions decorations < <(xprop -id "$progress" _MOTIF_WM_HINTS |
    sed 's/.*= *//' | tr -d , | awk '{ print $1, $2, $3 }')
[ $((flags & 3)) -eq 3 ] && [ $((functions & 0x3a)) -eq 0 ] ||
    fail "the progress dialog asks for caption buttons: $flags $functions $decorations"
for item in "Quitter" "Effacer" "Courses..."; do
    sni_menu_click "$item" || fail "no $item item in the tray menu"
done
sni_activate
sleep 1
visible 'Suppression en cours' >/dev/null || fail "the walk ended too soon to be tested"
for title in 'Fermeture de Brivonce' 'Liste des courses' '^[a-z]{3}\. [0-9]{2}\.[0-9]{2}'; do
    ! visible "$title" >/dev/null || fail "a tray command opened '$title' during the walk"
done
wait_for 60 sh -c "! xdotool search --onlyvisible --name 'Suppression en cours'" ||
    fail "the walk did not end"
case " $(meetings "$first_week") $(meetings "$last_week") " in
    *" 09 "*) fail "09:00 is back: $(meetings "$first_week") / $(meetings "$last_week")" ;;
esac

# --- A close request acts as "Abandon".
delete_everywhere 76
xdotool windowactivate --sync "$progress" key alt+F4
wait_for 10 sh -c "! xdotool search --onlyvisible --name 'Suppression en cours'" ||
    fail "a close request did not end the walk"
case " $(meetings "$first_week") " in *" 10 "*) fail "10:00 was not deleted" ;; esac
case " $(meetings "$last_week") " in *" 10 "*) ;; *) fail "the walk went on after a close request" ;; esac

kill -TERM "$program"
wait "$program"
case " $(meetings "$first_week") " in
    *" 09 "* | *" 10 "*) fail "the save at the end wrote a stale week: $(meetings "$first_week")" ;;
esac
echo "walk and tray checks passed"
