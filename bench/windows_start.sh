#!/usr/bin/env bash
# Prints how long the game takes from its start to its first window on
# screen, the Windows build under Wine beside the Linux build, on the same
# clock for both: a shell looks for the window every few milliseconds.
#   bench/windows_start.sh [runs]
# Needs the Windows build (scripts/build-windows.sh) and a Release build
# (./play.sh makes build-release); installs Wine, Xvfb, openbox and xdotool.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/windows-common.sh
ensure_packages "${kotebu_wine_packages[@]}"

runs="${1:-10}"
staging=$(ls -d "$kotebu_windows_build"/staging/kotebu-special-pack-* 2>/dev/null | head -n 1)
[ -x build-release/app/kotebu ] || { echo "no Release build: run ./play.sh" >&2; exit 1; }
[ -n "$staging" ] || { echo "no Windows build: run scripts/build-windows.sh" >&2; exit 1; }

work="$(mktemp -d)"
kotebu_xvfb=""
trap 'kotebu_wineserver -k; [ -z "$kotebu_xvfb" ] || kill "$kotebu_xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
kotebu_start_x
export XDG_RUNTIME_DIR="$work" SDL_AUDIODRIVER=dummy
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
scripts/wine-run.sh wineboot --init >/dev/null 2>&1

median() { sort -g | awk '{a[NR]=$1} END {if (NR%2) print a[(NR+1)/2]; else print (a[NR/2]+a[NR/2+1])/2}'; }

# once COMMAND...: milliseconds from the start to a window on screen, in a
# fresh game folder; Wine's server ends after each run unless it was made
# to stay (the first program of a session starts it and Wine's services).
once() {
    rm -rf "$work/game"; cp -R assets/game "$work/game"; cp assets/game/KTBSPST.INI "$work/game/KTBSP.INI"
    local begun ended game
    begun=$(date +%s%N)
    (cd "$work/game" && KOTEBU_GAME_DIR="$work/game" exec "$@" >/dev/null 2>&1) &
    game=$!
    until xdotool search --onlyvisible --name . >/dev/null 2>&1; do sleep 0.002; done
    ended=$(date +%s%N)
    kill "$game" 2>/dev/null || true
    wait "$game" 2>/dev/null || true
    [ -n "${stay:-}" ] || kotebu_wineserver -k
    echo $(((ended - begun) / 1000000))
}

wine_game=("$PWD/scripts/wine-run.sh" "$staging/kotebu-special-pack.exe")
# Wine's first start in a prefix lists the fonts: not counted.
once "${wine_game[@]}" >/dev/null
linux=$(for _ in $(seq "$runs"); do once "$PWD/build-release/app/kotebu"; done | median)
wine=$(for _ in $(seq "$runs"); do once "${wine_game[@]}"; done | median)
stay=1
kotebu_wineserver -p
once "${wine_game[@]}" >/dev/null
warm=$(for _ in $(seq "$runs"); do once "${wine_game[@]}"; done | median)
printf '%-60s %8s\n' "start to the first window, median of $runs (ms)" ""
printf '%-60s %8s\n' "  Linux (build-release, xcb)" "$linux"
printf '%-60s %8s\n' "  Windows build, $(wine --version 2>/dev/null | head -n 1), first in the session" "$wine"
printf '%-60s %8s\n' "  the same with Wine already running" "$warm"
