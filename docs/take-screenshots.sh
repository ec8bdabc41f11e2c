#!/usr/bin/env bash
# Takes the README's screenshots of a real game under Xvfb. Developer tool:
# needs xvfb, xdotool and imagemagick, and a built tree (BUILD_DIR, default
# build-release). Clicks are at the window positions of a 1024×768 screen.
#   SCALE=2   runs the game at QT_SCALE_FACTOR=2 on a 2048×1536 screen and
#             writes NAME@2x.png (a 256-colour palette keeps them small)
#   SHOTS="selector first-night"   keeps only the shots named (default: all)
#   LANGUAGE=en   plays the game in that language (en, zh_CN, zh_TW, ko) and
#                 writes NAME-<language>.png
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build-release}"
program="$PWD/$build/app/kotebu"
out="${OUT_DIR:-$PWD/docs}"
scale="${SCALE:-1}"
suffix=""; [ "$scale" = 1 ] || suffix="@${scale}x"
language="${LANGUAGE:-ja}"
[ "$language" = ja ] || suffix="-$language$suffix"
work="$(mktemp -d)"
display=":$((80 + RANDOM % 9))"
Xvfb "$display" -screen 0 $((1024 * scale))x$((768 * scale))x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
game=""
trap 'kill $xvfb 2>/dev/null || true; [ -z "$game" ] || kill "$game" 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY="$display" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$work"
export LANGUAGE="$language"
sleep 1

shot() {
    case " ${SHOTS:-$1} " in *" $1 "*) ;; *) return 0 ;; esac
    import -window root "$work/raw.png"
    if [ "$scale" = 1 ]; then
        convert "$work/raw.png" -trim +repage "$out/$1$suffix.png"
    else
        convert "$work/raw.png" -trim +repage -colors 256 "PNG8:$out/$1$suffix.png"
    fi
}
# A click at a point of the 1024×768 screen; windows are centred, so every
# position scales with the screen.
click() { xdotool mousemove $(($1 * scale)) $(($2 * scale)) click 1; }

# One game folder; the day is 4 s and the heroine is 31, so her first lost
# fight ends the game.
play() { # game: left|right, demo skip ON|OFF, name prefix
    rm -rf "$work/game"; cp -R assets/game "$work/game"
    sed -e 's/^TimeOfDay=.*/TimeOfDay=4000\r/' -e 's/^KotebuYear=.*/KotebuYear=92\r/' \
        -e "s/^DemoSkip=.*/DemoSkip=$2\r/" assets/game/KTBSPST.INI > "$work/game/KTBSP.INI"
    (cd "$work/game" && exec "$program") &
    game=$!
    sleep 2.6; [ "$3" = first ] && shot logo
    sleep 4; [ "$3" = first ] && shot selector
    if [ "$1" = left ]; then click 390 390; else click 630 390; fi
    sleep 1.5
    if [ "$2" = OFF ]; then sleep 7; shot story; sleep 30; fi
    shot "$3-start"
    # The Start button sits at the lower right of either start screen.
    local geometry; geometry="$(xdotool search --onlyvisible --name '(ｽﾀｰﾄ|Start|开始|開始|시작)$' getwindowgeometry --shell | tr '\n' ' ')"
    eval "$geometry"
    if [ "$1" = left ]; then dx=380 dy=167; else dx=396 dy=146; fi
    xdotool mousemove $((X + dx * scale)) $((Y + dy * scale)) click 1
    sleep 1.5; shot "$3-night"
    sleep 8.5; shot "$3-fight"
    sleep 9; shot "$3-ending"
    kill "$game" 2>/dev/null || true
    wait "$game" 2>/dev/null || true
    game=""
    sleep 1
}

play left ON first
play right OFF second
ls -l "$out"/*"$suffix".png
