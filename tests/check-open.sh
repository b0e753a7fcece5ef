#!/usr/bin/env bash
# Opening disc images as a user does: on the command line (a relative path, then a file: URL
# from a second launch that hands it over and ends), and with playerctl. Needs a session bus
# and a sound server.
set -euo pipefail
# What it reads is the program's English.
export LANGUAGE=en
program=$1
tmp=$(mktemp -d)
cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; cat "$tmp/app.log" >&2; exit 1; }

# Two discs of one FLAC track each.
for name in first second; do
    sox -n -r 44100 -b 16 -c 2 "$tmp/$name.flac" synth 20 sine 440 gain -6
    printf 'TITLE "%s"\nFILE "%s.flac" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n' \
        "$name disc" "$name" >"$tmp/$name.cue"
done

player() { playerctl -p spindella "$@" 2>/dev/null || true; }
waitfor() { # what expected
    for _ in $(seq 60); do
        [ "$(player $1)" = "$2" ] && return 0
        sleep 0.05
    done
    fail "$1 is '$(player $1)', not '$2'"
}

# The program's own settings and cache, with names from the sheet alone: no test may reach
# for a host outside.
export XDG_CONFIG_HOME="$tmp/config" XDG_CACHE_HOME="$tmp/cache"
mkdir -p "$tmp/config/Halcyra"
printf '[MusicBrainz]\nlookup=false\n[CTDB]\nlookup=false\n' >"$tmp/config/Halcyra/Spindella.conf"
export QT_QPA_PLATFORM=offscreen
(cd "$tmp" && exec "$program" first.cue) >"$tmp/app.log" 2>&1 &
app=$!
waitfor status Playing
waitfor "metadata xesam:album" "first disc"

start=$(date +%s%N)
"$program" "file://$tmp/second.cue" >>"$tmp/app.log" 2>&1 || fail "the second launch ended with $?"
took=$((($(date +%s%N) - start) / 1000000))
[ "$took" -lt 1000 ] || fail "the second launch took $took ms"
waitfor "metadata xesam:album" "second disc"
waitfor status Playing
[ "$(playerctl -l | grep -c spindella)" = 1 ] || fail "two players on the bus"

player open "$tmp/first.cue"
waitfor "metadata xesam:album" "first disc"

# A first one too busy to answer: the second waits, says so and ends, and never plays itself.
kill -STOP "$app"
set +e
"$program" "$tmp/second.cue" >"$tmp/second.log" 2>&1
status=$?
set -e
names=$(gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
    -m org.freedesktop.DBus.ListNames)
kill -CONT "$app"
[ "$status" = 1 ] || fail "a second launch against a stuck one ended with $status"
grep -q "running but not answering" "$tmp/second.log" || fail "the second launch said: $(cat "$tmp/second.log")"
[ "$(grep -o 'org.mpris.MediaPlayer2.spindella[.a-z0-9]*' <<<"$names" | wc -l)" = 1 ] ||
    fail "two players on the bus: $names"
gdbus call --session -d org.mpris.MediaPlayer2.spindella -o /org/mpris/MediaPlayer2 -m org.mpris.MediaPlayer2.Quit >/dev/null
wait "$app" || fail "ended with $?"
app=
echo "opened from the command line in ${took} ms by hand-over, and with playerctl"
