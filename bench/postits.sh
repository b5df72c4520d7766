#!/usr/bin/env bash
# Start and quit with many post-its: the real program under Xvfb with openbox,
# on a data folder of COUNT ordinary notes. "start" is the time from launch
# until every note's window is mapped; "quit" the time from SIGTERM (a session
# ending) until the program has saved and exited. Medians of RUNS runs.
# The memo window is shown at start, and it recreates the notes.
# Usage: bench/postits.sh [BUILD_DIR] [COUNT] [RUNS]
set -euo pipefail
build=${1:-build/default}
count=${2:-500}
runs=${3:-5}
brivonce=$build/brivonce
source "$(dirname "$0")/../tests/desktop_session.sh"
session_require Xvfb openbox xprop xwininfo iconv pgrep /usr/bin/time
program=""
trap '[ -n "$program" ] && kill -9 "$program" 2>/dev/null; session_cleanup' EXIT
SESSION_SCREEN=1920x1080x24 session_start_x11
scratch=$session_scratch

# COUNT notes with text and a section each, as the program writes them.
data=$scratch/data
mkdir -p "$data/postits"
for n in $(seq "$count"); do
    printf 'Note %d\r\nà faire' "$n" >"$data/postits/$n.txt"
    printf '[postit%d]\r\nx=%d\r\ny=%d\r\nw=175\r\nh=200\r\nAscenseurs=0\r\ncouleur=0\r\n' \
        "$n" $((n % 80 * 20)) $((n % 40 * 20))
    printf 'hauteur=-13\r\nnom=arial\r\ntaille=10\r\ngras=0\r\nitalique=0\r\n'
    printf 'souligné=0\r\nbarré=0\r\ncouleurmemo=65535\r\n' | iconv -f UTF-8 -t CP1252
done >"$data/brivonce.ini"

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# The windows the window manager has mapped: the memo window and the notes.
# One request, so that watching costs the program next to nothing.
windows_mapped() {
    xprop -root _NET_CLIENT_LIST 2>/dev/null | tr ',' '\n' | grep -c 0x || true
}

# CPU seconds (user + system) a running process has used so far.
cpu_s() {
    awk -v tick="$(getconf CLK_TCK)" '{printf "%.2f", ($14 + $15) / tick}' "/proc/$1/stat"
}

# One run: prints "START_MS QUIT_MS START_CPU_S QUIT_CPU_S". CPU time is shown
# besides wall time since a shared machine's load stretches the latter.
run_once() {
    local begin ready begin_quit end cpu_ready
    # The window manager lets go of the last run's windows first.
    until [ "$(windows_mapped)" = 0 ]; do sleep 0.1; done
    begin=$(now_ms)
    /usr/bin/time -f "%U %S" -o "$scratch/cpu" "$brivonce" --data-dir "$data" >/dev/null 2>&1 &
    program=$!
    until [ "$(windows_mapped)" -gt "$count" ]; do
        kill -0 "$program" 2>/dev/null || { echo "the program ended early" >&2; exit 1; }
        sleep 0.05
    done
    ready=$(now_ms)
    local child
    child=$(pgrep -P "$program")
    cpu_ready=$(cpu_s "$child")
    sleep 1  # let it settle before the session ends
    local cpu_idle
    cpu_idle=$(cpu_s "$child")
    begin_quit=$(now_ms)
    kill -TERM "$child"
    wait "$program" || true
    end=$(now_ms)
    program=""
    echo "$((ready - begin)) $((end - begin_quit)) $cpu_ready" \
        "$(awk -v idle="$cpu_idle" '{printf "%.2f", $1 + $2 - idle}' "$scratch/cpu")"
}

median() { sort -n | sed -n "$(((runs + 1) / 2))p"; }

: >"$scratch/times"
for _ in $(seq "$runs"); do
    run_once >>"$scratch/times"
done
grep -c "^\[postit" "$data/brivonce.ini" >"$scratch/sections"
[ "$(cat "$scratch/sections")" = "$count" ] || { echo "sections lost: $(cat "$scratch/sections")" >&2; exit 1; }
column() { cut -d' ' -f"$1" "$scratch/times" | median; }
echo "$count post-its, median of $runs runs: start $(column 1) ms ($(column 3) s CPU)," \
    "quit $(column 2) ms ($(column 4) s CPU)"
