#!/usr/bin/env bash
# Starts or stops a private PulseAudio server with a null sink, for the test
# that plays a real sound. Usage: audio-server.sh start|stop SCRATCH_DIR
set -u
action=$1 scratch=$2
export XDG_RUNTIME_DIR="$scratch/runtime" HOME="$scratch/home"
command -v pulseaudio >/dev/null || exit 1
case "$action" in
start)
    pulseaudio --daemonize=yes --exit-idle-time=-1 --system=false -n \
        --load="module-native-protocol-unix" \
        --load="module-null-sink sink_name=brivonce_null" \
        --load="module-always-sink" >/dev/null 2>&1 || exit 1
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && exit 0; sleep 0.1; done
    exit 1
    ;;
stop)
    pulseaudio --kill >/dev/null 2>&1
    ;;
esac
