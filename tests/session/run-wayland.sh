#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a Wayland compositor of its own (weston, headless, in a private
# XDG_RUNTIME_DIR), with a private D-Bus session when asked, and stops them all when the command
# ends. The command gets QT_QPA_PLATFORM=wayland and no X display, so nothing can fall back to
# X11 unnoticed; it needs no display and no session bus of its own.
#   run-wayland.sh [--dbus] [--screen WxH] -- command [args...]
set -euo pipefail

dbus=0
screen=1280x1024
while [ $# -gt 0 ]; do
    case "$1" in
    --dbus) dbus=1 ;;
    --screen) shift; screen=$1 ;;
    --) shift; break ;;
    *) break ;;
    esac
    shift
done

tmp=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$tmp"
}
trap cleanup EXIT

# Waits up to ten seconds for a file to have content (or, for a socket, to exist).
await() {
    for _ in $(seq 100); do
        [ -s "$1" ] || [ -S "$1" ] && return 0
        sleep 0.1
    done
    echo "run-wayland.sh: $2 did not start" >&2
    [ -f "$tmp/weston.log" ] && cat "$tmp/weston.log" >&2
    exit 1
}

export XDG_RUNTIME_DIR="$tmp/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_SOCKET
socket=wayland-tintora
# Our own weston.ini (none): the user's must not change what the tests see.
weston --backend=headless-backend.so --socket="$socket" --no-config --idle-time=0 --use-pixman \
    --width="${screen%x*}" --height="${screen#*x}" --log="$tmp/weston.log" >/dev/null 2>&1 &
pids+=($!)
await "$XDG_RUNTIME_DIR/$socket" weston
export WAYLAND_DISPLAY=$socket
export QT_QPA_PLATFORM=wayland
# A headless weston has no seat (no keyboard, no pointer), and Qt's Wayland text input takes
# one for granted: typing would crash in it. The compose input method, which needs no seat from
# the compositor, stands in, as it does on many desktops.
export QT_IM_MODULE=compose

if [ "$dbus" = 1 ]; then
    dbus-daemon --session --nofork --nopidfile --print-address=4 4>"$tmp/bus" &
    pids+=($!)
    await "$tmp/bus" dbus-daemon
    DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$tmp/bus")
    export DBUS_SESSION_BUS_ADDRESS
else
    # No bus at all rather than the caller's: the tests must not reach the user's desktop.
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$tmp/no-bus"
fi

status=0
"$@" || status=$?
if [ "$status" != 0 ]; then
    echo "run-wayland.sh: the command failed ($status); the compositor's log:" >&2
    cat "$tmp/weston.log" >&2
fi
exit "$status"
