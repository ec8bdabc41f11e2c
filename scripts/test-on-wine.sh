#!/usr/bin/env bash
# Checks the Windows build under Wine, on Debian 12 or 13:
#
#  1. builds the Windows files and the Windows test programs
#     (scripts/build-windows.sh with KOTEBU_WINDOWS_TESTS=ON);
#  2. runs the test programs by ctest under Wine, in a fresh Wine prefix:
#     the rules, the store with its lock, its whole-file saves and a save
#     killed midway, the sound's schedule and Windows' own sound, and the
#     readers' fuzz seeds;
#  3. installs the setup program silently into that prefix, starts the
#     installed game on an X server of its own (Xvfb and openbox), chooses
#     the first game by keys, lets phases pass, ends the day with Exit and
#     Yes, and checks the saved figures in the player's %APPDATA% folder;
#     plays again and ends the Windows session (wineboot --end-session),
#     which must save the day as well; then uninstalls, which must leave the
#     player's folder alone.
#
# Screenshots of the selector and of a night go to SHOTS (default:
# build-windows/shots). Not part of ./test.sh or CI: run it before a change
# to the platform layer, the store, the sound or the build lands.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/windows-common.sh
fail() {
    printf 'test-on-wine: %s\n' "$*" >&2
    [ -z "${DISPLAY:-}" ] || import -window root "${shots:-.}/failure-wine.png" 2>/dev/null || true
    exit 1
}

ensure_packages "${kotebu_wine_packages[@]}"
KOTEBU_WINDOWS_TESTS=ON scripts/build-windows.sh

work=$(mktemp -d)
shots="${SHOTS:-$kotebu_windows_build/shots}"
mkdir -p "$shots"
rm -f "$shots/selector-wine.png" "$shots/night-wine.png" "$shots/failure-wine.png"
kotebu_xvfb=""
cleanup() {
    kotebu_wineserver -k
    [ -z "$kotebu_xvfb" ] || kill "$kotebu_xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A display of our own, with a window manager, for the game and Wine's
# windows.
kotebu_start_x

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
root=$PWD
run() { "$root/scripts/wine-run.sh" "$@"; }
fresh_prefix() { # fresh_prefix NAME: a new Windows of its own
    kotebu_wineserver -k
    export WINEPREFIX="$work/$1"
    say "Making a fresh Wine prefix ($1)"
    run wineboot --init >/dev/null 2>&1
}

fresh_prefix tests

# The test programs find Qt's DLLs where it was built, and the MinGW
# runtime where Debian keeps it.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
qt_bin="$kotebu_windows_cache/qt-$(kotebu_qt_upstream)/bin"
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
pthread=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")
export WINEPATH="$(windows_path "$qt_bin");$(windows_path "$runtime");$(windows_path "$pthread")"
say "Running the Windows tests under Wine"
ctest --test-dir "$kotebu_windows_build" --output-on-failure -j 2

unset WINEPATH
# The player's Windows: nothing there but what the installer brings.
fresh_prefix player
appdata="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming"
version=$(kotebu_version)
say "Installing dist/kotebu-special-pack-$version-setup.exe silently"
run "dist/kotebu-special-pack-$version-setup.exe" /S
installed="$WINEPREFIX/drive_c/Program Files/KoTeBu Special Pack"
# The silent installer may still be finishing when Wine hands back.
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/KoTeBu Special Pack.lnk"
for _ in $(seq 300); do [ -f "$shortcut" ] && [ -f "$installed/uninstall.exe" ] && break; sleep 0.1; done
[ -f "$installed/kotebu-special-pack.exe" ] || fail "the installer put no program in $installed"
[ -f "$installed/game/KTBSPST.INI" ] || fail "the installer put no game files in $installed"
[ -f "$shortcut" ] || { find "$WINEPREFIX/drive_c" -iname "*.lnk" >&2; fail "no Start menu entry"; }

# The player's folder as the first start will find it: the shipped
# template, with a short day so that phases pass quickly and the prologue
# skipped.
folder="$appdata/kotebu-special-pack"
mkdir -p "$folder"
sed -e 's/^TimeOfDay=.*/TimeOfDay=1000\r/' -e 's/^DemoSkip=.*/DemoSkip=ON\r/' \
    "$installed/game/KTBSPST.INI" >"$folder/KTBSP.INI"

window() { # window NAME-PATTERN: waits for a visible window whose title matches
    # (xdotool's own pattern matching knows no full-width letters). The
    # first window of a fresh prefix waits for Wine to list the fonts.
    local id="" each
    for _ in $(seq 1200); do
        for each in $(xdotool search --onlyvisible --name . 2>/dev/null); do
            if xdotool getwindowname "$each" 2>/dev/null | grep -Eq -- "$1"; then
                id=$each
                break
            fi
        done
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || fail "no window named like $1"
    echo "$id"
}
figure() { sed -n "/^\[KoTeBu\]/,/^\[/s/^$1=\([-0-9]*\).*/\1/p" "$folder/KTBSP.INI" | head -n 1; }

# play WHAT-ENDS-THE-DAY: starts the installed game, chooses the first game
# by keys, lets a night, a morning and an adventure pass, and ends the day.
play() {
    (cd "$work" && LC_ALL=ja_JP.UTF-8 run "C:\\Program Files\\KoTeBu Special Pack\\kotebu-special-pack.exe") &
    local game=$!
    local selector
    selector=$(window 'Ｓｅｌｅｃｔｅｒ$')
    [ -f "$shots/selector-wine.png" ] || { sleep 2; import -window root "$shots/selector-wine.png"; }
    xdotool windowactivate --sync "$selector" key 1
    local start
    start=$(window 'ｽﾀｰﾄ$')
    xdotool windowactivate --sync "$start" key Return
    local main
    main=$(window '～ことぶ～$')
    [ -f "$shots/night-wine.png" ] || { sleep 0.5; import -window root "$shots/night-wine.png"; }
    sleep 4
    case "$1" in
    exit)
        xdotool windowactivate --sync "$main" key alt+g
        sleep 0.5
        xdotool key x
        local question
        question=$(window '終了確認$')
        xdotool windowactivate --sync "$question" key Return
        ;;
    session)
        run wineboot --end-session
        ;;
    esac
    for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$game" 2>/dev/null && fail "the game did not end ($1)"
    wait "$game" || true
}

say "Playing the installed game, ending the day with Exit and Yes"
play exit
year=$(figure KotebuYear)
[ -n "$year" ] && [ "$year" -ge 1 ] || fail "the day was not saved by Exit (KotebuYear=${year:-none})"
say "Saved: KotebuYear=$year"

say "Playing again, ending the Windows session"
play session
again=$(figure KotebuYear)
[ -n "$again" ] && [ "$again" -gt "$year" ] || fail "the session's end saved no day (KotebuYear=${again:-none}, was $year)"
say "Saved: KotebuYear=$again"

say "Uninstalling"
run "$installed/uninstall.exe" /S
for _ in $(seq 100); do [ -e "$installed/kotebu-special-pack.exe" ] || break; sleep 0.1; done
[ ! -e "$installed/kotebu-special-pack.exe" ] || fail "the uninstaller left the program"
[ -f "$folder/KTBSP.INI" ] || fail "the uninstaller took the player's saved game"
say "Passed; screenshots in $shots"
