#!/usr/bin/env bash
# The program on a headless Weston, natively: its application id and title, full screen through
# the media-player interface and back, and no protocol error. Needs a session bus.
set -euo pipefail
# What it reads is the program's English.
export LANGUAGE=en
program=$1
tmp=$(mktemp -d)
chmod 700 "$tmp"
cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
    [ -n "${weston:-}" ] && kill "$weston" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; grep -v "^\[" "$tmp/app.log" | tail -40 >&2; exit 1; }

export XDG_RUNTIME_DIR=$tmp
weston --backend=headless-backend.so --use-pixman --width=1280 --height=720 \
    --socket=wayland-test --idle-time=0 --no-config >"$tmp/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do
    [ -S "$tmp/wayland-test" ] && break
    sleep 0.05
done
[ -S "$tmp/wayland-test" ] || { cat "$tmp/weston.log" >&2; echo "FAIL: no Weston" >&2; exit 1; }

# The program draws in software. Qt's EGL client integration would load Mesa's software driver
# only to unload it at the end, and LeakSanitizer then reports that driver's memory as a leak
# of an unknown module.
QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland \
    WAYLAND_DEBUG=1 "$program" >"$tmp/app.log" 2>&1 &
app=$!

mpris() {
    gdbus call --session -d org.mpris.MediaPlayer2.spindella -o /org/mpris/MediaPlayer2 "$@" >/dev/null
}
fullscreen() {
    mpris -m org.freedesktop.DBus.Properties.Set org.mpris.MediaPlayer2 Fullscreen "<$1>"
}
waitfor() {
    for _ in $(seq 100); do
        grep -q "$1" "$tmp/app.log" && return 0
        sleep 0.05
    done
    fail "never sent $1"
}

waitfor 'wl_shm_pool@[0-9]*\.create_buffer'
for _ in $(seq 100); do
    mpris -m org.freedesktop.DBus.Peer.Ping 2>/dev/null && break
    sleep 0.05
done
fullscreen true
waitfor 'xdg_toplevel@[0-9]*\.set_fullscreen'
fullscreen false
waitfor 'xdg_toplevel@[0-9]*\.unset_fullscreen'
mpris -m org.mpris.MediaPlayer2.Quit
status=0
wait "$app" || status=$?
app=
[ "$status" = 0 ] || fail "ended with status $status"

grep -q 'xdg_toplevel@[0-9]*\.set_app_id("org.halcyra.Spindella")' "$tmp/app.log" || fail "application id"
grep -q 'xdg_toplevel@[0-9]*\.set_title("Halcyra CD Player")' "$tmp/app.log" || fail "title"
if grep -q 'wl_display@1\.error' "$tmp/app.log"; then fail "protocol error"; fi
echo "Wayland: mapped as org.halcyra.Spindella, full screen and back, ended with 0"
