#!/usr/bin/env bash
# Starting the program where no display can be opened: one line on stderr that says so, exit
# code 1, and no abort (no core file). Usage: no_display_test.sh PROGRAM
set -uo pipefail
program=$1
fail() { echo "FAILED: $*" >&2; exit 1; }

check_start() {
    local what=$1
    shift
    local err
    err=$(mktemp)
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" ASAN_OPTIONS=detect_leaks=0 \
        "$program" 2>"$err" >/dev/null </dev/null
    local code=$?
    local lines
    lines=$(wc -l <"$err")
    local text
    text=$(cat "$err")
    rm -f "$err"
    [ "$code" -eq 1 ] || fail "$what: exit code $code, expected 1; stderr: $text"
    [ "$lines" -eq 1 ] || fail "$what: $lines lines on stderr, expected 1: $text"
    [[ $text == "cordic-demo: no display could be opened ("*"xvfb-run cordic-demo" ]] ||
        fail "$what: unexpected message: $text"
    echo "ok: $what: $text"
}

check_start "DISPLAY names no server" DISPLAY=:4711
check_start "DISPLAY is not set" -u DISPLAY
