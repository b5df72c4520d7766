#!/usr/bin/env bash
# Builds Brivonce and runs every test, once normally and once under the address
# and undefined-behaviour sanitizers. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh test

# Tests never touch the real user's files.
scratch=$(mktemp -d)
trap 'scripts/audio-server.sh stop "$scratch" || true
      scripts/print-queue.sh stop "$scratch" || true; rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR="$scratch/runtime" XDG_CONFIG_HOME="$scratch/config"
export XDG_DATA_HOME="$scratch/data" HOME="$scratch/home"
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen

# A null audio sink lets the sound test hear a real stream; without an audio
# server that test is skipped.
scripts/audio-server.sh start "$scratch" || true

# A CUPS print queue with a PDF printer lets the printing tests print for real
# and read back what came out; without one those tests are skipped.
scripts/print-queue.sh start "$scratch" || echo "No print queue: the printing tests will be skipped."

status=0
for preset in default asan; do
    echo "=== $preset"
    log="$scratch/$preset.log"
    if ! cmake --workflow --preset "$preset" >"$log" 2>&1; then
        status=1
        echo "--- $preset failed; the end of its log:"
        tail -n 80 "$log"
    fi
    grep -E '(\*\*\*|\(Failed\)|Not Run|tests passed|Total Test time|tests FAILED)' "$log" || true
done
exit $status
