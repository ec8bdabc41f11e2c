#!/usr/bin/env bash
# Runs a test program on the Wayland platform, inside a headless Weston of its
# own that goes away however the run ends:
#   on-weston.sh program [arguments...]
# Fails, naming the Debian package, when Weston or Qt's Wayland plugin is
# missing; fails too when Qt's Wayland plugin warns (a window placed by hand,
# say: placement belongs to the compositor).
set -euo pipefail

command -v weston >/dev/null || { echo "weston is missing: install the Debian package weston" >&2; exit 1; }
plugin="$(find /usr/lib -path '*qt6/plugins/platforms/libqwayland-generic.so' -print -quit 2>/dev/null)"
[ -n "$plugin" ] || { echo "Qt's Wayland plugin is missing: install the Debian package qt6-wayland" >&2; exit 1; }

work="$(mktemp -d)"
weston_pid=""
cleanup() {
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

export XDG_RUNTIME_DIR="$work"
chmod 700 "$work"
socket="kotebu-test-$$"
# --debug lets the tests take screenshots of what the compositor shows.
weston --backend=headless-backend.so --socket="$socket" --width=1024 --height=768 \
    --use-pixman --idle-time=0 --debug --log="$work/weston.log" &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$work/$socket" ] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.05
done
if [ ! -S "$work/$socket" ]; then
    echo "weston did not start:" >&2
    cat "$work/weston.log" >&2 || true
    exit 1
fi

export WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland
# Qt's Wayland drag code leaves an allocation to the process's end; only with
# full stacks does the leak checker see it is Qt's, so its suppressions apply.
# Full stacks make every allocation four times slower, so a run that leaves
# nothing of the kind may ask for the fast ones: WAYLAND_STACKS=fast.
if [ "${WAYLAND_STACKS:-full}" = full ]; then
    export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0"
fi
status=0
"$@" 2>&1 | tee "$work/run.log" || status=$?
[ "$status" -eq 0 ] || exit "$status"
if grep -q '^qt\.qpa\.wayland' "$work/run.log"; then
    echo "Qt's Wayland plugin warned:" >&2
    grep '^qt\.qpa\.wayland' "$work/run.log" >&2
    exit 1
fi
