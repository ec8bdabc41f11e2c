#!/usr/bin/env bash
# Runs a test program on a real X server with a real window manager, both of
# its own, gone however the run ends:
#   on-x11.sh program [arguments...]
# Xvfb is the server, openbox the window manager: what a window manager is
# told (WM_STATE, the frame it puts round a window) is then there to read
# with xprop and xwininfo. Fails, naming the Debian package, when one of them
# is missing.
set -euo pipefail

need() { command -v "$1" >/dev/null || { echo "$1 is missing: install the Debian package $2" >&2; exit 1; }; }
need Xvfb xvfb
need openbox openbox
need xprop x11-utils
need xwininfo x11-utils

work="$(mktemp -d)"
xvfb_pid=""
wm_pid=""
# A server picks a free display itself as it starts; two at once (ctest runs
# X tests side by side), or one starting while another goes, can take the
# same number, and one then listens on half its sockets. So servers start
# and stop one at a time, under a lock all of this machine's runs share.
x_lock() { exec 9>"${TMPDIR:-/tmp}/kotebu-x11-start.lock"; flock 9; }
x_unlock() { flock -u 9; exec 9>&-; }
cleanup() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
    if [ -n "$xvfb_pid" ]; then
        x_lock
        kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
        x_unlock
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

export XDG_RUNTIME_DIR="$work" HOME="$work"
chmod 700 "$work"
# A display number no other server holds (by its lock file or its socket),
# the server ready once it answers.
x_lock
for number in $(seq 20 99); do
    [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
    # -noreset: a server whose last client leaves starts over, and a client
    # connecting meanwhile (openbox after the probe below) is turned away.
    Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp -noreset 2>"$work/xvfb.log" 9>&- &
    xvfb_pid=$!
    for _ in $(seq 200); do
        xprop -display ":$number" -root >/dev/null 2>&1 && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.05
    done
    xprop -display ":$number" -root >/dev/null 2>&1 && break
    kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
done
if [ -z "$xvfb_pid" ]; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2 || true
    exit 1
fi
export DISPLAY=":$number"

openbox --sm-disable >"$work/openbox.log" 2>&1 9>&- &
wm_pid=$!
# openbox is ready once it names itself on the root window.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    kill -0 "$wm_pid" 2>/dev/null || break
    sleep 0.05
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    echo "openbox did not start:" >&2
    cat "$work/openbox.log" >&2 || true
    exit 1
fi

x_unlock

export QT_QPA_PLATFORM=xcb
# libxkbcommon-x11 copies the keyboard's atom names with strndup from
# buffers that hold no terminating zero; the copy is bounded, but the strict
# string check reads on to a zero that is not there.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0"
"$@"
