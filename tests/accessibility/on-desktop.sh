#!/usr/bin/env bash
# Runs a command on a desktop of its own, as a screen reader's user has it: an
# X server, a window manager, and a session bus whose accessibility bus the
# first client starts. All of it goes away however the run ends:
#   on-desktop.sh command [arguments...]
# Fails, naming the Debian package, when a piece is missing.
set -euo pipefail

need() { command -v "$1" >/dev/null || { echo "$1 is missing: install the Debian package $2" >&2; exit 1; }; }
need Xvfb xvfb
need openbox openbox
need dbus-run-session dbus-daemon
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "the accessibility bus is missing: install the Debian package at-spi2-core" >&2; exit 1; }

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# The server picks a free display and writes its number down when it is ready.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
if ! read -r -t 20 display <"$work/display"; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2 || true
    exit 1
fi

# The session bus starts the accessibility bus and its registry on demand,
# and they inherit this environment: the display must be set before it.
export DISPLAY=":$display"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export DESKTOP_WORK="$work"

# shellcheck disable=SC2016
dbus-run-session -- bash -c '
    openbox --sm-disable >"$DESKTOP_WORK/openbox.log" 2>&1 &
    wm=$!
    trap "kill $wm 2>/dev/null" EXIT
    "$@"
' desktop "$@"
