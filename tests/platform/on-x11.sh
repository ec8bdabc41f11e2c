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
cleanup() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

export XDG_RUNTIME_DIR="$work" HOME="$work"
chmod 700 "$work"
# The server picks a free display itself and writes its number when ready.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
if ! read -r -t 10 number <"$work/display"; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2 || true
    exit 1
fi
export DISPLAY=":$number"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
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

export QT_QPA_PLATFORM=xcb
# libxkbcommon-x11 copies the keyboard's atom names with strndup from
# buffers that hold no terminating zero; the copy is bounded, but the strict
# string check reads on to a zero that is not there.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0"
"$@"
