#!/bin/sh
# The real program's command line with no display at all: help, version and a usage error end
# at once, before any window is asked for; an image named like an option follows "--".
# Usage: check-commandline.sh PROGRAM VERSION
set -eu
# What it reads is the program's English.
export LANGUAGE=en
program=$1
version=$2
tmp=$(mktemp -d)
app=
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent PULSE_SERVER=unix:/nonexistent
fail() {
    echo "FAIL: $*" >&2
    cat "$tmp/out" "$tmp/err" >&2
    exit 1
}
run() { # status arguments...
    want=$1
    shift
    status=0
    "$program" "$@" >"$tmp/out" 2>"$tmp/err" || status=$?
    [ "$status" = "$want" ] || fail "$* ended with $status, not $want"
}

run 0 --help
grep -q '^Usage: spindella ' "$tmp/out" && grep -q -- '--save-image FOLDER' "$tmp/out" &&
    [ ! -s "$tmp/err" ] || fail "--help"
run 0 --version
[ "$(head -n 1 "$tmp/out")" = "Spindella $version" ] && [ ! -s "$tmp/err" ] || fail "--version"
run 2 --bogus
[ "$(head -n 1 "$tmp/err")" = "Spindella: Unknown option 'bogus'." ] &&
    grep -q '^Usage: spindella ' "$tmp/err" && [ ! -s "$tmp/out" ] || fail "--bogus"

# The player needs a display, so Qt's own option gives it an offscreen one; the image does not
# exist, and the player says so.
(cd "$tmp" && exec "$program" -platform offscreen -- -odd.cue) >"$tmp/out" 2>"$tmp/err" &
app=$!
for _ in $(seq 100); do
    grep -qF "cannot play $tmp/-odd.cue" "$tmp/err" && break
    kill -0 "$app" 2>/dev/null || fail "-- -odd.cue ended"
    sleep 0.1
done
grep -qF "cannot play $tmp/-odd.cue" "$tmp/err" || fail "-- -odd.cue was not opened"
echo "help, version, a usage error and an image after -- as expected"
