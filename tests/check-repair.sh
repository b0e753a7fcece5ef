#!/bin/sh
# Verifying against the CUETools database and repairing from its parity through the real
# program with no display, against a stand-in database: an image that is the entry's is
# accurate (at an offset too); one damaged in a burst differs and is repairable, --repair
# writes a mended copy that verifies as accurate, leaving the image as it was, and saving it as
# a disc mends it before it is kept; damage beyond the
# parity is refused with 2 and writes nothing; a database that cannot answer ends with 1.
# Usage: check-repair.sh PROGRAM CTDB_ENTRY CTDB_MOCK
set -eu
export LANGUAGE=en
program=$1
entry=$2
mock=$3
tmp=$(mktemp -d)
server=
cleanup() {
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
last() { tail -n 1 "$tmp/out"; }
# damage FROM_SECTOR ROWS: XORs ten-sector rows of the image's audio from a sector on.
damage() {
    python3 - "$disc/short.bin" "$1" "$2" <<'PY'
import sys
path, sector, rows = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
data = bytearray(open(path, "rb").read())
for at in range(sector * 2352, (sector + 10 * rows) * 2352):
    data[at] ^= 0x5A
open(path, "wb").write(data)
PY
}

disc="$tmp/Band - short"
mkdir -p "$disc" "$tmp/config/Halcyra" "$tmp/out.d"
python3 - "$disc" <<'PY'
import os, sys
folder = sys.argv[1]
with open(f"{folder}/short.bin", "wb") as image:
    image.write(os.urandom(30 * 75 * 2352))
with open(f"{folder}/short.cue", "w") as sheet:
    sheet.write('PERFORMER "Band"\nTITLE "short"\nFILE "short.bin" BINARY\n')
    for number, start in enumerate((0, 10, 20), 1):
        sheet.write(f"  TRACK {number:02} AUDIO\n    INDEX 01 00:{start:02}:00\n")
PY
cp "$disc/short.bin" "$tmp/clean.bin"
echo '{"/lookup2.php": "xml:entry.xml", "/parity/7": "range:parity.bin"}' >"$tmp/routes.json"
python3 "$mock" "$tmp" "$tmp/routes.json" "$tmp/requests.log" >"$tmp/port" &
server=$!
for _ in $(seq 50); do [ -s "$tmp/port" ] && break; sleep 0.1; done
# AccurateRip is not asked: the CUETools database alone decides here. No drive is known.
settings() {
    printf '[AccurateRip]\nlookup=false\n[MusicBrainz]\nlookup=false\n[CTDB]\nserver=http://127.0.0.1:%s\n' \
        "$(head -n 1 "$tmp/port")" >"$tmp/config/Halcyra/Spindella.conf"
}
settings

"$entry" "$disc/short.cue" 0 "$tmp" || fail "making the entry"
run 0 --verify "$disc/short.cue"
[ "$(last)" = "CTDB: accurate (confidence 3)" ] &&
    grep -qx 'CTDB track 2: accurate (confidence 3)' "$tmp/out" || fail "verifying the entry's own"
"$entry" "$disc/short.cue" 48 "$tmp"
run 0 --verify "$disc/short.cue"
[ "$(last)" = "CTDB: accurate (confidence 3) at offset +48" ] || fail "verifying at an offset"
"$entry" "$disc/short.cue" -1164 "$tmp"
run 0 --verify "$disc/short.cue"
[ "$(last)" = "CTDB: accurate (confidence 3) at offset -1164" ] || fail "the other way"

# A drive nobody knows, reading 667 samples late and then 1164 early: its offset is found from
# the disc by the database, the disc read again with it, and the offset kept for the drive.
"$entry" "$disc/short.cue" 0 "$tmp"
for offset in 667 -1164; do
    rm -rf "$tmp/drive" "$tmp/saved-$offset" && mkdir -p "$tmp/drive" "$tmp/saved-$offset"
    python3 - "$disc/short.bin" "$tmp/drive/shifted.bin" "$offset" <<'PY'
import sys
source, target, offset = sys.argv[1], sys.argv[2], int(sys.argv[3])
disc = open(source, "rb").read()
shift = 4 * abs(offset)
shifted = bytes(shift) + disc[:-shift] if offset > 0 else disc[shift:] + bytes(shift)
open(target, "wb").write(shifted)
PY
    sed 's/short\.bin/shifted.bin/' "$disc/short.cue" >"$tmp/drive/shifted.cue"
    settings
    run 0 --save-image "$tmp/saved-$offset" --drive "$tmp/drive/shifted.cue"
    sign=$( [ "$offset" -gt 0 ] && echo + || true)
    [ "$(last)" = "CTDB: accurate (confidence 3)" ] &&
        grep -q "^Note *Read offset $sign$offset found from this disc (CTDB)$" \
            "$tmp/saved-$offset/Band - short/Band - short.log" &&
        grep -q "CDRWIN=$offset\$" "$tmp/config/Halcyra/Spindella.conf" ||
        fail "finding the offset $offset"
done

damage 900 2
run 2 --verify "$disc/short.cue"
[ "$(last)" = "CTDB: differs, repairable (23520 words in 20 sectors)" ] &&
    grep -qx 'CTDB track 2: differs' "$tmp/out" &&
    grep -qx 'CTDB track 1: accurate (confidence 3)' "$tmp/out" || fail "verifying the damage"
cp "$disc/short.bin" "$tmp/damaged.bin"
run 0 --repair "$disc/short.cue" --output "$tmp/out.d"
repaired="$tmp/out.d/Band - short (repaired)"
grep -qx 'Repaired 23520 words in 20 sectors' "$tmp/out" &&
    [ "$(last)" = "CTDB: accurate (confidence 3)" ] &&
    [ -s "$repaired/short.flac" ] && [ -s "$repaired/short.cue" ] &&
    grep -q '^Repaired from CTDB: track 2 at 00:02:00, 20 sectors, 23520 words$' \
        "$repaired/short.log" &&
    cmp -s "$disc/short.bin" "$tmp/damaged.bin" || fail "repairing"
run 0 --verify "$repaired/short.cue"
[ "$(last)" = "CTDB: accurate (confidence 3)" ] || fail "verifying the repaired image"
# Beside the image's folder when no folder is named.
run 0 --repair "$disc/short.cue"
[ -s "$tmp/Band - short (repaired)/short.flac" ] || fail "repairing beside the image"

# A disc read wrong is mended as it is saved.
settings
mkdir "$tmp/saved"
run 0 --save-image "$tmp/saved" --drive "$disc/short.cue"
grep -qx 'Repaired 23520 words in 20 sectors' "$tmp/out" &&
    [ "$(last)" = "CTDB: accurate (confidence 3)" ] &&
    grep -q '^Repaired from CTDB: track 2 at 00:02:00, 20 sectors, 23520 words$' \
        "$tmp/saved/Band - short/Band - short.log" || fail "saving a disc read wrong"

damage 1500 9
run 2 --verify "$disc/short.cue"
[ "$(last)" = "CTDB: differs, not repairable" ] || fail "verifying damage beyond repair"
run 2 --repair "$disc/short.cue" --output "$tmp/out.d"
[ "$(ls "$tmp/out.d")" = "Band - short (repaired)" ] &&
    grep -q "beyond what its parity mends" "$tmp/err" || fail "refusing damage beyond repair"

echo '{"*": "garbage"}' >"$tmp/routes.json"
run 0 --verify "$disc/short.cue"
[ "$(last)" = "CTDB: not in database" ] &&
    tail -n 2 "$tmp/out" | head -n 1 |
    grep -q "^The CUETools database's answer cannot be read: the answer is not well-formed XML" ||
    fail "an answer that is not the database's"
echo '{"*": "error"}' >"$tmp/routes.json"
run 1 --verify "$disc/short.cue"
[ "$(last)" = "CTDB: not checked" ] || fail "a database that cannot answer"
run 1 --repair "$disc/short.cue"
grep -q "could not be asked" "$tmp/err" || fail "repairing with no answer"
echo "verified, repaired and refused as expected"
