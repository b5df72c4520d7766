#!/usr/bin/env bash
# Start-up to the message loop and idle memory: Brivonce against a bare Qt
# Widgets program with a tray icon, side by side under Xvfb with trayer.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build/default}
runs=${2:-20}
brivonce=$build/brivonce
bare=$build/bench/bare_tray

scratch=$(mktemp -d)
display=:$((100 + RANDOM % 400))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$tray" "$xvfb" 2>/dev/null; rm -rf "$scratch"' EXIT
export DISPLAY=$display XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 >/dev/null 2>&1 &
tray=$!
sleep 1

# Median wall time in milliseconds of `runs` starts that leave at the loop.
median_ms() {
    local times=()
    for _ in $(seq "$runs"); do
        local start end
        start=$(date +%s%N)
        "$@" --exit-after-start >/dev/null 2>&1
        end=$(date +%s%N)
        times+=($(((end - start) / 1000000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p"
}

# Resident memory in KiB after a few idle seconds.
idle_rss_kib() {
    "$@" >/dev/null 2>&1 &
    local pid=$!
    sleep 3
    local rss
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$rss"
}

b_ms=$(median_ms "$brivonce" --data-dir "$scratch/data")
q_ms=$(median_ms "$bare")
b_rss=$(idle_rss_kib "$brivonce" --data-dir "$scratch/data")
q_rss=$(idle_rss_kib "$bare")
echo "start-up to the message loop (median of $runs): brivonce ${b_ms} ms, bare Qt ${q_ms} ms," \
    "ratio $(awk "BEGIN {printf \"%.2f\", $b_ms / $q_ms}")"
echo "idle RSS: brivonce ${b_rss} KiB, bare Qt ${q_rss} KiB," \
    "ratio $(awk "BEGIN {printf \"%.2f\", $b_rss / $q_rss}")"
