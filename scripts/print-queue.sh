#!/usr/bin/env bash
# Starts or stops the CUPS scheduler with a PDF printer, for the tests that
# print through a real print queue and read back the PDF files it writes.
# Usage: print-queue.sh start|stop SCRATCH_DIR
# A scheduler that was already running is used as it is and left running.
set -u
action=$1 scratch=$2
pidfile="$scratch/cupsd.pid"

running() { lpstat -r 2>/dev/null | grep -q "is running"; }

case "$action" in
start)
    command -v cupsd >/dev/null && command -v lpadmin >/dev/null || exit 1
    if ! running; then
        [ "$(id -u)" -eq 0 ] || exit 1
        # In the foreground of a background job, so that its process is ours
        # to stop; no service manager is needed.
        setsid cupsd -f >"$scratch/cupsd.log" 2>&1 </dev/null &
        echo $! >"$pidfile"
        for _ in $(seq 100); do running && break; sleep 0.05; done
        running || exit 1
    fi
    # pdftocairo renders real fonts into the PDF, whose text pdftotext can read.
    lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
        -o pdftops-renderer-default=pdftocairo -E 2>/dev/null || exit 1
    lpadmin -d PDF || exit 1
    ;;
stop)
    [ -f "$pidfile" ] || exit 0
    pid=$(cat "$pidfile")
    kill "$pid" 2>/dev/null
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
    rm -f "$pidfile"
    ;;
esac
