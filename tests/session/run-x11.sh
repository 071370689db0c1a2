#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on an X server of its own (Xvfb), with a window manager (openbox) and a private
# D-Bus session when asked, and stops them all when the command ends. Tests that need a real X
# server run through this; it needs no display and no session bus of its own.
# --no-shm leaves out the server's shared memory (MIT-SHM), as a remote server has none.
#   run-x11.sh [--wm] [--dbus] [--no-shm] [--screen WxHxD] -- command [args...]
set -euo pipefail

wm=0
dbus=0
screen=1280x1024x24
extensions=()
while [ $# -gt 0 ]; do
    case "$1" in
    --wm) wm=1 ;;
    --dbus) dbus=1 ;;
    --no-shm) extensions+=(-extension MIT-SHM) ;;
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

# Waits up to ten seconds for a file to have content.
await() {
    for _ in $(seq 100); do
        [ -s "$1" ] && return 0
        sleep 0.1
    done
    echo "run-x11.sh: $2 did not start" >&2
    exit 1
}

# An X server resets itself whenever its last client leaves, and a client that connects while
# it does is turned away ("unable to open display"): under load one in twelve connections made
# one after another failed so. The checks below leave as clients, and a test may start the
# program more than once, so the server never resets (-noreset).
# One server starts at a time, and the session goes on only once it takes clients.
exec 9>"${TMPDIR:-/tmp}/tintora-run-x11.lock"
flock 9
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset "${extensions[@]}" \
    3>"$tmp/display" 2>"$tmp/xvfb.log" 9>&- &
xvfb_pid=$!
pids+=("$xvfb_pid")
await "$tmp/display" Xvfb
export DISPLAY=":$(head -n1 "$tmp/display")"
# Xvfb names its display a moment before it takes clients on a busy machine.
ready=0
for _ in $(seq 100); do
    if xprop -root >/dev/null 2>&1; then
        ready=1
        break
    fi
    sleep 0.1
done
flock -u 9
exec 9>&-
if [ "$ready" = 0 ]; then
    echo "run-x11.sh: Xvfb takes no clients on $DISPLAY" >&2
    cat "$tmp/xvfb.log" >&2
    exit 1
fi
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
export XDG_RUNTIME_DIR="$tmp/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Settings, state and caches of their own, for the program and the window manager alike: two
# sessions side by side must not meet in the user's folders.
for kind in CONFIG STATE CACHE; do
    export "XDG_${kind}_HOME=$tmp/${kind,,}"
    mkdir -p "$tmp/${kind,,}"
done

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

if [ "$wm" = 1 ]; then
    # A loaded machine may take a while to start it; the tests that need it must not run early.
    # Now and then openbox cannot open a display that other clients reach: it is started again.
    openbox --sm-disable >>"$tmp/openbox.log" 2>&1 &
    wm_pid=$!
    pids+=("$wm_pid")
    starts=1
    started=0
    for _ in $(seq 300); do
        if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
            started=1
            break
        fi
        if ! kill -0 "$wm_pid" 2>/dev/null && [ "$starts" -lt 5 ]; then
            openbox --sm-disable >>"$tmp/openbox.log" 2>&1 &
            wm_pid=$!
            pids+=("$wm_pid")
            starts=$((starts + 1))
        fi
        sleep 0.1
    done
    if [ "$started" = 0 ]; then
        echo "run-x11.sh: openbox did not start" >&2
        cat "$tmp/openbox.log" >&2
        exit 1
    fi
fi

status=0
"$@" || status=$?
if [ "$status" != 0 ]; then
    # Now and then a program in a session could not connect to its display: say whether the
    # server was still there and what it said.
    if kill -0 "$xvfb_pid" 2>/dev/null; then
        echo "run-x11.sh: the command failed; Xvfb on $DISPLAY is still running" >&2
    else
        echo "run-x11.sh: the command failed; Xvfb on $DISPLAY had ended" >&2
    fi
    tail -n 20 "$tmp/xvfb.log" >&2
fi
exit "$status"
