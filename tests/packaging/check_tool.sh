#!/usr/bin/env bash
# Runs a checker (desktop-file-validate, appstreamcli, man...) on a shipped
# file: fails when it fails or prints a warning on standard error, is skipped
# (77) when the checker is not installed.
command -v "$1" >/dev/null || { echo "skipped: $1 is not installed"; exit 77; }
errors=$("$@" 2>&1 >/dev/null) && [ -z "$errors" ] && exit 0
echo "$* failed:"
"$@"
exit 1
