#!/usr/bin/env bash
# Start-up cost of Brivonce against two yardsticks, under Xvfb with trayer and
# no window manager (a map request then maps at once):
#   bare   a bare Qt tray program (bench/bare_tray.cpp)
#   floor  a Qt tray program with a text window (bench/text_tray.cpp)
#   hidden Brivonce starting in the tray ("ShowOnStart=0")
#   shown  Brivonce showing its memo window (an empty data folder)
# Each round starts the four once, in an order that turns from round to round;
# ratios are taken within a round (paired runs), and the script reports their
# median and quartiles, so that a machine busy for a while shifts both sides.
# Measured: processor time (user + system) of a start that leaves as soon as
# the message loop runs (--exit-after-start), the wall time until the window
# is mapped, and the resident memory after a few idle seconds.
# Usage: bench/startup.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
build=${1:-build/default}
rounds=${2:-20}
rss_rounds=3
timer=$build/bench/launch_timer

scratch=$(mktemp -d)
# The one-copy lock lives in the runtime folder; on tmpfs, as a session's is,
# taking it costs no disk sync.
runtime=$(mktemp -d /dev/shm/brivonce-bench.XXXXXX)
chmod 700 "$runtime"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$scratch" "$runtime"' EXIT

# A display of our own: Xvfb picks a free number and writes it on fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [[ -s $scratch/display ]] && break; sleep 0.1; done
export DISPLAY=:$(<"$scratch/display") XDG_RUNTIME_DIR=$runtime
export XDG_CONFIG_HOME=$scratch/config  # no autostart entry of the real user
# A session bus of our own, as every desktop session has one: without it each
# start would spawn dbus-launch to look for one.
dbus-daemon --session --fork --nopidfile --print-address=3 --print-pid=4 \
    3>"$scratch/bus" 4>"$scratch/bus.pid"
pids+=($(<"$scratch/bus.pid"))
export DBUS_SESSION_BUS_ADDRESS=$(<"$scratch/bus")
trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 >/dev/null 2>&1 &
pids+=($!)
sleep 1

mkdir -p "$scratch/shown" "$scratch/hidden"
printf '[Config]\r\nShowOnStart=0\r\n' >"$scratch/hidden/brivonce.ini"
names=(bare floor hidden shown)

program() {
    case $1 in
        bare) echo "$build/bench/bare_tray" ;;
        floor) echo "$build/bench/text_tray" ;;
        *) echo "$build/brivonce --data-dir $scratch/$1" ;;
    esac
}

# Prints "round name mapped_ms cpu_ms" for one start that leaves at the loop.
time_start() {
    local round=$1 name=$2 mapped exited cpu
    # shellcheck disable=SC2046 # the command is split on purpose
    read -r mapped exited cpu < <("$timer" $(program "$name") --exit-after-start 2>/dev/null)
    echo "$round $name $mapped $cpu"
}

# Prints "round name rss_kib" after a few idle seconds.
idle_rss() {
    local round=$1 name=$2 pid rss
    # shellcheck disable=SC2046
    $(program "$name") >/dev/null 2>&1 &
    pid=$!
    sleep 3
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$round $name $rss"
}

# Runs `measure` over `count` rounds, the four programs in turning order.
rounds_of() {
    local measure=$1 count=$2 round i
    for round in $(seq "$count"); do
        for i in 0 1 2 3; do
            "$measure" "$round" "${names[$(((round + i) % 4))]}"
        done
    done
}

for name in "${names[@]}"; do time_start 0 "$name" >/dev/null; done  # warm the file cache
rounds_of time_start "$rounds" >"$scratch/times"
rounds_of idle_rss "$rss_rounds" >"$scratch/rss"

# Paired ratio A/B of column `column`: median and quartiles over the rounds,
# and each side's median.
report() {
    local file=$1 column=$2 label=$3 a=$4 b=$5 unit=$6
    awk -v a="$a" -v b="$b" -v c="$column" -v label="$label" -v unit="$unit" '
        function sorted_at(values, n, q,   i, j, t, k) {
            for (i = 2; i <= n; i++)
                for (j = i; j > 1 && values[j - 1] > values[j]; j--) {
                    t = values[j]; values[j] = values[j - 1]; values[j - 1] = t
                }
            k = 1 + q * (n - 1)
            return values[int(k)] + (k - int(k)) * (values[int(k) + 1] - values[int(k)])
        }
        $2 == a { va[$1] = $c }
        $2 == b { vb[$1] = $c }
        END {
            n = 0
            for (r in va) if ((r in vb) && va[r] > 0 && vb[r] > 0) {
                n++; ratio[n] = va[r] / vb[r]; sa[n] = va[r]; sb[n] = vb[r]
            }
            printf "%-28s %-6s/%-6s %8.2f %s / %8.2f %s   ratio %.2f (quartiles %.2f-%.2f, %d pairs)\n",
                label, a, b, sorted_at(sa, n, 0.5), unit, sorted_at(sb, n, 0.5), unit,
                sorted_at(ratio, n, 0.5), sorted_at(ratio, n, 0.25), sorted_at(ratio, n, 0.75), n
        }' "$file"
}

echo "Brivonce start-up, $rounds paired rounds (idle memory: $rss_rounds)"
report "$scratch/times" 4 "CPU to the message loop" hidden bare ms
report "$scratch/times" 4 "CPU to the message loop" shown floor ms
report "$scratch/times" 3 "time to the window mapped" shown floor ms
report "$scratch/times" 4 "CPU to the message loop" floor bare ms
report "$scratch/times" 4 "CPU to the message loop" shown bare ms
report "$scratch/rss" 3 "idle RSS" hidden floor KiB
report "$scratch/rss" 3 "idle RSS" shown floor KiB
report "$scratch/rss" 3 "idle RSS" floor bare KiB
