#!/bin/sh
# Saving a disc and verifying images through the real program with no display, against a
# stand-in AccurateRip: a disc image served as a drive is saved (status 0) and the saved image
# verified (0); a record whose sums differ makes both a saving and a verifying end with 2; a
# folder that cannot be written and an image that is not there end with 1 and one line on
# standard error; SIGINT in the middle of a saving ends it with 1, leaving nothing behind, and
# so does a second signal at once.
# Usage: check-saving.sh PROGRAM ACCURATERIP_MOCK
set -eu
# What it reads is the program's English.
export LANGUAGE=en
program=$1
mock=$2
tmp=$(mktemp -d)
server=
saving=
cleanup() {
    [ -n "$saving" ] && kill "$saving" 2>/dev/null || true
    [ -n "$server" ] && kill "$server" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_CONFIG_HOME="$tmp/config" XDG_CACHE_HOME="$tmp/cache"
export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent
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
# The last line before the CUETools database's, which is not asked here.
last() { grep -v '^CTDB' "$tmp/out" | tail -n 1; }

# Discs of noise: three tracks of 10 s, and one of 5 s and 10 min.
python3 - "$tmp" <<'EOF'
import os, sys
tmp = sys.argv[1]
def disc(name, seconds):
    with open(f"{tmp}/{name}.bin", "wb") as image:
        image.write(os.urandom(sum(seconds) * 75 * 2352))
    with open(f"{tmp}/{name}.cue", "w") as sheet:
        sheet.write(f'PERFORMER "Band"\nTITLE "{name}"\nFILE "{name}.bin" BINARY\n')
        start = 0
        for number, length in enumerate(seconds, 1):
            sheet.write(f"  TRACK {number:02} AUDIO\n    INDEX 01 {start // 60:02}:{start % 60:02}:00\n")
            start += length
disc("short", [10, 10, 10])
disc("long", [5, 600])
EOF
echo '{"*": "absent"}' >"$tmp/routes.json"
python3 "$mock" "$tmp/routes.json" "$tmp/requests.log" >"$tmp/port" &
server=$!
for _ in $(seq 50); do [ -s "$tmp/port" ] && break; sleep 0.1; done
mkdir -p "$tmp/config/Halcyra" "$tmp/saved"
# Names come from the sheet's CD-Text alone: a lookup would reach for a host no test may ask.
printf '[AccurateRip]\nserver=http://127.0.0.1:%s\n[MusicBrainz]\nlookup=false\n[CTDB]\nlookup=false\n' \
    "$(head -n 1 "$tmp/port")" \
    >"$tmp/config/Halcyra/Spindella.conf"

run 0 --save-image "$tmp/saved" --drive "$tmp/short.cue"
saved="$tmp/saved/Band - short"
[ "$(last)" = "Saved in $saved: the disc is not in the AccurateRip database" ] &&
    grep -qx 'Track 3 read: copy CRC [0-9A-F]\{8\}, the test read agrees' "$tmp/out" &&
    [ "$(grep -c '^Track' "$tmp/out")" = 6 ] && [ ! -s "$tmp/err" ] &&
    [ "$(tail -n 1 "$tmp/out")" = "CTDB: not checked" ] &&
    grep -qx 'CTDB track 3: not checked' "$tmp/out" || fail "saving"
[ -s "$saved/Band - short.flac" ] && [ -s "$saved/Band - short.cue" ] &&
    [ -s "$saved/Band - short.log" ] || fail "the saved files"
run 0 --verify "$saved/Band - short.cue"
grep -qx 'Track 2: not in database' "$tmp/out" &&
    [ "$(last)" = "The disc is not in the AccurateRip database" ] || fail "verifying"
# The FLAC alone, by the cue sheet and CDTOC inside it.
mv "$saved/Band - short.cue" "$tmp/away.cue"
run 0 --verify "$saved/Band - short.flac"
grep -qx 'Track 2: not in database' "$tmp/out" &&
    [ "$(last)" = "The disc is not in the AccurateRip database" ] &&
    [ "$(grep -o 'dBAR-[0-9a-f-]*\.bin' "$tmp/requests.log" | tail -n 2 | uniq | wc -l)" = 1 ] ||
    fail "verifying the FLAC alone, as the same disc"
mv "$tmp/away.cue" "$saved/Band - short.cue"

# A record of the disc as the program asked for it, with sums that are not its own.
python3 - "$tmp" <<'EOF'
import re, struct, sys
tmp = sys.argv[1]
name = re.search(r"dBAR-(\d{3})-([0-9a-f]{8})-([0-9a-f]{8})-([0-9a-f]{8})\.bin",
                 open(f"{tmp}/requests.log").read())
tracks = int(name.group(1))
record = struct.pack("<BIII", tracks, *(int(name.group(n), 16) for n in (2, 3, 4)))
record += struct.pack("<BII", 4, 0x12345678, 0) * tracks
open(f"{tmp}/differs.bin", "wb").write(record)
EOF
echo '{"*": "file:differs.bin"}' >"$tmp/routes.json"
run 2 --verify "$tmp/short.cue"
grep -qx 'Track 1: differs' "$tmp/out" &&
    [ "$(last)" = "3 of 3 tracks differ from AccurateRip's" ] || fail "verifying what differs"
run 2 --save-image "$tmp/saved" --drive "$tmp/short.cue"
[ -d "$saved (2)" ] || fail "saving what differs"

run 1 --save-image "$tmp/nowhere" --drive "$tmp/short.cue"
[ ! -s "$tmp/out" ] && [ "$(wc -l <"$tmp/err")" = 1 ] || fail "a folder that is not there"
run 1 --verify "$tmp/missing.cue"
[ ! -s "$tmp/out" ] && [ "$(wc -l <"$tmp/err")" = 1 ] || fail "an image that is not there"

# The files are emptied first: a line left from the run before must not pass for this one's,
# or a signal may reach the program before it can take it.
start_saving() {
    : >"$tmp/out"
    : >"$tmp/err"
    "$program" --save-image "$tmp/cancelled" --drive "$tmp/long.cue" >>"$tmp/out" 2>>"$tmp/err" &
    saving=$!
    for _ in $(seq 200); do grep -q '^Track 1 read' "$tmp/out" && break; sleep 0.05; done
    grep -q '^Track 1 read' "$tmp/out" || fail "the long disc's first track was not read"
}
mkdir "$tmp/cancelled"
start_saving
kill -INT "$saving"
status=0
wait "$saving" || status=$?
saving=
[ "$status" = 1 ] && [ -z "$(ls -A "$tmp/cancelled")" ] &&
    [ "$(cat "$tmp/err")" = "Spindella: saving was cancelled" ] || fail "SIGINT ended with $status"

# A second signal ends the program at once, the working folder removed, as when a read hangs.
start_saving
kill -INT "$saving"
kill -TERM "$saving"
status=0
wait "$saving" || status=$?
saving=
[ "$status" = 1 ] && [ -z "$(ls -A "$tmp/cancelled")" ] &&
    [ "$(tail -n 1 "$tmp/err")" = "Spindella: saving was cancelled" ] ||
    fail "SIGINT and SIGTERM ended with $status"
echo "saved, verified, differing, refused and interrupted as expected"
