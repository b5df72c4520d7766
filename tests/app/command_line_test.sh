#!/usr/bin/env bash
# The real program's answers to its command line, with no display and a home
# of its own: --help and --version answer on standard output and exit 0; a
# wrong command line gives one French line on standard error and exit 2;
# neither touches the data folder nor starts the tray program (which would
# fail here, having no display).
set -u
binary=$1 version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

# An empty pattern wants an empty file.
matches() {
    if [ -z "$1" ]; then [ ! -s "$2" ]; else grep -qE "$1" "$2"; fi
}

# expect STATUS STDOUT-PATTERN STDERR-PATTERN ARGUMENT...
expect() {
    local want=$1 out_pattern=$2 err_pattern=$3
    shift 3
    env -i HOME="$scratch/home" QT_QPA_PLATFORM=xcb "$binary" "$@" \
        >"$scratch/out" 2>"$scratch/err"
    local got=$?
    [ "$got" = "$want" ] || fail "brivonce $*: exit $got, expected $want"
    matches "$out_pattern" "$scratch/out" || fail "brivonce $*: stdout $(cat "$scratch/out")"
    matches "$err_pattern" "$scratch/err" || fail "brivonce $*: stderr $(cat "$scratch/err")"
    if [ "$want" = 2 ] && [ "$(wc -l <"$scratch/err")" != 1 ]; then
        fail "brivonce $*: the error is not one line"
    fi
}

expect 0 '^Utilisation : brivonce' '' --help
expect 0 "^brivonce $version\$" '' --version
expect 2 '' '^brivonce : option inconnue « --bogus »' --bogus
expect 2 '' "^brivonce : il manque la valeur de l'option « --data-dir »" --data-dir=
# "-" is standard output, not a file of that name.
mkdir "$scratch/data" && cd "$scratch"
expect 0 '^BEGIN:VCALENDAR' '' --data-dir "$scratch/data" --export-ics -
[ -e "$scratch/-" ] && fail "--export-ics - wrote a file named -"
[ -e "$scratch/home" ] && fail "the data folder was created"
exit $status
