#!/bin/sh
# Checks an installed tree (a prefix) the way a desktop would read it.
# Usage: check-installed.sh PREFIX APP_ID
set -eu
prefix=$1
id=$2
test -x "$prefix/bin/spindella"
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
grep -qx "Exec=spindella %U" "$prefix/share/applications/$id.desktop"
grep -qx "Name=Spindella Cd Player" "$prefix/share/applications/$id.desktop"
grep -qx "MimeType=x-content/audio-cdda;application/x-cue;" "$prefix/share/applications/$id.desktop"
grep -q '<command arg="-root"/>' "$prefix/share/xscreensaver/config/spindella.xml"
# The manual page: formatted without a single warning, for the version installed.
man="$prefix/share/man/man1/spindella.1"
warnings=$(groff -man -Tutf8 -ww -z "$man" 2>&1)
[ -z "$warnings" ] || { echo "spindella.1: $warnings" >&2; exit 1; }
grep -q '^\.TH SPINDELLA 1 .*"Spindella 1\.00\.0001"' "$man"
for size in 32 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    test "$(identify -format '%wx%h' "$icon")" = "${size}x${size}"
done
# The version record the executable carries as an ELF package note.
note=$(readelf -n "$prefix/bin/spindella")
for field in '"version":"1.00.0001"' '"productVersion":"1.00.0001"' \
    '"fileDescription":"CD Player, Screen saver"' '"productName":"Spindella Cd Player"' \
    '"internalName":"Spindella"' '"originalFilename":"Spindella.exe"'; do
    echo "$note" | grep -qF "$field" || { echo "version record lacks $field" >&2; exit 1; }
done
echo "installed tree is complete and valid"
