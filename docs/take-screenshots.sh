#!/usr/bin/env bash
# Takes the README's screenshots of a real game under Xvfb. Developer tool:
# needs xvfb, xdotool and imagemagick, and a built tree (BUILD_DIR, default
# build-release). Clicks are at the window positions of a 1024×768 screen.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build-release}"
program="$PWD/$build/app/kotebu"
out="$PWD/docs"
work="$(mktemp -d)"
display=":$((80 + RANDOM % 9))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; pkill -f "$program" 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY="$display" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$work"
sleep 1

shot() { import -window root "$work/raw.png"; convert "$work/raw.png" -trim +repage "$out/$1.png"; }

# One game folder; the day is 4 s and the heroine is 31, so her first lost
# fight ends the game.
play() { # game: left|right, demo skip ON|OFF, name prefix
    rm -rf "$work/game"; cp -R assets/game "$work/game"
    sed -e 's/^TimeOfDay=.*/TimeOfDay=4000\r/' -e 's/^KotebuYear=.*/KotebuYear=92\r/' \
        -e "s/^DemoSkip=.*/DemoSkip=$2\r/" assets/game/KTBSPST.INI > "$work/game/KTBSP.INI"
    (cd "$work/game" && exec "$program") &
    sleep 2.6; [ "$3" = first ] && shot logo
    sleep 4; [ "$3" = first ] && shot selector
    if [ "$1" = left ]; then xdotool mousemove 390 390 click 1; else xdotool mousemove 630 390 click 1; fi
    sleep 1.5
    if [ "$2" = OFF ]; then sleep 7; shot story; sleep 30; fi
    shot "$3-start"
    # The Start button sits at the lower right of either start screen.
    local geometry; geometry="$(xdotool search --onlyvisible --name 'ｽﾀｰﾄ' getwindowgeometry --shell | tr '\n' ' ')"
    eval "$geometry"
    if [ "$1" = left ]; then xdotool mousemove $((X + 380)) $((Y + 167)) click 1; else xdotool mousemove $((X + 396)) $((Y + 146)) click 1; fi
    sleep 1.5; shot "$3-night"
    sleep 8.5; shot "$3-fight"
    sleep 9; shot "$3-ending"
    pkill -f "$program" || true
    sleep 1
}

play left ON first
play right OFF second
ls -l "$out"/*.png
