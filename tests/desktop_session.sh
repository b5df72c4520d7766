# Desktop sessions for the black-box tests of the real program. Sourced, not
# run:
#   source "$(dirname "$0")/../desktop_session.sh"
#   session_require Xvfb openbox trayer     # exit 77 (skipped) if one is missing
#   session_start_x11                        # Xvfb on a free display + openbox
#   session_start_trayer                     # an XEmbed tray
#   session_start_bus; session_start_xfce_tray   # or a StatusNotifier host
# Everything started here is ended, and the scratch folder removed, at exit;
# a test that sets its own EXIT trap calls session_cleanup from it.
# Every test gets its own display, D-Bus bus and runtime folder, so tests run
# side by side and never touch the user's session.

session_scratch=$(mktemp -d)
session_pids=()
export XDG_RUNTIME_DIR="$session_scratch/runtime" XDG_CONFIG_HOME="$session_scratch/config"
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" && chmod 700 "$XDG_RUNTIME_DIR"
# No accessibility bus of the user's leaks in.
export NO_AT_BRIDGE=1

session_cleanup() {
    local pid
    for pid in "${session_pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    rm -rf "$session_scratch"
}
trap session_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Exits 77 (ctest's "skipped") with a line naming the first missing tool.
session_require() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || {
            echo "skipped: $tool is missing"
            exit 77
        }
    done
}

# Runs `command` until it succeeds, for `seconds` (default 5) at most.
wait_for() {
    local tries=50
    if [[ $1 =~ ^[0-9]+$ ]]; then
        tries=$(($1 * 10))
        shift
    fi
    for _ in $(seq "$tries"); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# Starts a command in the background and ends it with the session.
session_spawn() {
    "$@" >>"$session_scratch/session.log" 2>&1 &
    session_pids+=($!)
}

# Xvfb on a display it picks itself (never one that may be someone else's),
# then openbox.
session_start_x11() {
    local fifo="$session_scratch/displayfd"
    mkfifo "$fifo"
    Xvfb -displayfd 9 -screen 0 "${SESSION_SCREEN:-1024x768x24}" -nolisten tcp 9>"$fifo" \
        >>"$session_scratch/session.log" 2>&1 &
    session_pids+=($!)
    local number
    read -r number <"$fifo"
    export DISPLAY=":$number" QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
    wait_for 20 xwininfo -root || fail "Xvfb did not start"
    # openbox now and then dies at start on a loaded machine: one more try.
    local try
    for try in 1 2; do
        session_spawn openbox
        wait_for 10 session_wm_running && return 0
        kill "${session_pids[-1]}" 2>/dev/null
    done
    fail "openbox did not start: $(tail -5 "$session_scratch/session.log")"
}

session_wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

session_start_trayer() {
    session_spawn trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 \
        --transparent false --tint 0xd0d0d0
    wait_for xdotool search --class trayer || fail "trayer did not start"
}

# A private session bus; services it activates (xfconfd) inherit this
# environment, hence the private configuration folder.
session_start_bus() {
    local socket="$session_scratch/bus"
    session_spawn dbus-daemon --session --nofork --nopidfile --address="unix:path=$socket"
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$socket"
    wait_for test -S "$socket" || fail "no D-Bus session bus"
}

# xfce4-panel with its systray plugin alone: a StatusNotifier host (and an
# XEmbed tray) as on Xfce. Returns once the watcher is on the bus.
session_start_xfce_tray() {
    local channel="$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml"
    mkdir -p "$channel"
    cat >"$channel/xfce4-panel.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=10;x=0;y=0"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="length" type="uint" value="100"/>
      <property name="size" type="uint" value="26"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="systray"/>
  </property>
</channel>
XML
    session_spawn xfce4-panel --disable-wm-check
    session_xfce_pid=${session_pids[-1]}
    wait_for 10 sni_watcher_present || fail "xfce4-panel's StatusNotifier watcher did not appear"
}

session_stop_xfce_tray() { session_stop_tray_host "$session_xfce_pid"; }

# Ends a StatusNotifier host started here and waits for its watcher to go.
session_stop_tray_host() {
    kill "$1" 2>/dev/null
    wait "$1" 2>/dev/null
    wait_for sni_watcher_gone || fail "the tray host did not end"
}

sni_watcher_present() {
    gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner org.kde.StatusNotifierWatcher |
        grep -q true
}
sni_watcher_gone() { ! sni_watcher_present; }

# The StatusNotifier items the watcher knows, one "service/path" a line.
sni_items() {
    gdbus call --session --dest org.kde.StatusNotifierWatcher \
        --object-path /StatusNotifierWatcher --method org.freedesktop.DBus.Properties.Get \
        org.kde.StatusNotifierWatcher RegisteredStatusNotifierItems |
        grep -o "'[^']*'" | tr -d "'"
}

# The first registered item, as "service path" (a bare service name means the
# item's default path).
sni_item() {
    local item
    item=$(sni_items | head -1)
    [ -n "$item" ] || return 1
    case $item in
        */*) echo "${item%%/*} /${item#*/}" ;;
        *) echo "$item /StatusNotifierItem" ;;
    esac
}

# A property of the first item: sni_item_property Title
sni_item_property() {
    local service path
    read -r service path < <(sni_item) || return 1
    gdbus call --session --dest "$service" --object-path "$path" \
        --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierItem "$1"
}

# Clicks the item as a host does on a left click.
sni_activate() {
    local service path
    read -r service path < <(sni_item) || return 1
    gdbus call --session --dest "$service" --object-path "$path" \
        --method org.kde.StatusNotifierItem.Activate 0 0 >/dev/null
}

# Chooses the tray menu item whose label (mnemonic "&" or "_" removed) is
# `label`, through the D-Bus menu as a host does.
sni_menu_click() {
    local service path menu layout id
    read -r service path < <(sni_item) || return 1
    menu=$(gdbus call --session --dest "$service" --object-path "$path" \
        --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierItem Menu |
        grep -o "objectpath '[^']*'" | grep -o "'.*'" | tr -d "'")
    layout=$(gdbus call --session --dest "$service" --object-path "$menu" \
        --method com.canonical.dbusmenu.GetLayout 0 '@i -1' '@as []')
    # Items print as "(ID, {'label': <'Text'>, ..."; mnemonics are "_" on D-Bus.
    id=$(python3 -c '
import re, sys
wanted = sys.argv[1].replace("&", "")
for number, label in re.findall(r"\((\d+), \{[^{}]*?.label.: <.(.*?).>", sys.stdin.read()):
    if label.replace("_", "") == wanted:
        print(number)
        break
' "$1" <<<"$layout")
    [ -n "$id" ] || return 1
    gdbus call --session --dest "$service" --object-path "$menu" \
        --method com.canonical.dbusmenu.Event "$id" clicked '<0>' 0 >/dev/null
}

# sway refuses to run as root: a test run as root runs again, whole, as the
# unprivileged user "nobody", in fresh scratch folders of its own. Call it
# before starting anything: session_run_unprivileged "$0" "$@"
session_run_unprivileged() {
    [ "$(id -u)" = 0 ] || return 0
    session_require setpriv
    id nobody >/dev/null 2>&1 || { echo "skipped: no user nobody to run sway as"; exit 77; }
    rm -rf "$session_scratch"
    trap - EXIT
    exec setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env -u XDG_RUNTIME_DIR -u XDG_CONFIG_HOME -u DBUS_SESSION_BUS_ADDRESS HOME=/tmp \
        bash "$@"
}

# sway on a headless output, with XWayland. Exports WAYLAND_DISPLAY, DISPLAY
# (XWayland's, started at its first client) and SWAYSOCK as sway's own
# children see them; leaves QT_QPA_PLATFORM unset, as in a user's session.
session_start_sway() {
    local environment="$session_scratch/sway.env"
    cat >"$session_scratch/sway.conf" <<CONF
xwayland enable
exec env >"$environment.part" && mv "$environment.part" "$environment"
CONF
    unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
    export HOME="$session_scratch/home"
    mkdir -p "$HOME"
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        session_spawn sway --config "$session_scratch/sway.conf"
    wait_for 10 test -s "$environment" || fail "sway did not start"
    export $(grep -E '^(WAYLAND_DISPLAY|DISPLAY|SWAYSOCK)=' "$environment")
}

# The program's windows as sway sees them, one "shell<TAB>title" a line.
sway_windows() {
    swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("pid") and node.get("type") in ("con", "floating_con"):
        print(node.get("shell", ""), node.get("name") or "", sep="\t")
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))'
}

# waybar with its tray alone: a StatusNotifier watcher and host, as on sway.
session_start_waybar() {
    echo '{"position": "bottom", "height": 26, "modules-right": ["tray"]}' \
        >"$session_scratch/waybar.json"
    echo '* { font-family: sans-serif; font-size: 12px; }' >"$session_scratch/waybar.css"
    session_spawn waybar --config "$session_scratch/waybar.json" \
        --style "$session_scratch/waybar.css"
    session_waybar_pid=${session_pids[-1]}
    wait_for 10 sni_watcher_present || fail "waybar's StatusNotifier watcher did not appear"
}

session_stop_waybar() { session_stop_tray_host "$session_waybar_pid"; }
