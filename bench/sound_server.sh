#!/usr/bin/env bash
# What the game's sound costs a desktop, through a private PulseAudio daemon
# like a player's, side by side with FluidSynth's own player:
#
#   bench/sound_server.sh [seconds]
#
# - wakeups a second over all the game's threads while the game window waits
#   for its next phase, the daemon's beside them, and the state of its sink
#   (aim: at most 2 a second, the sink SUSPENDED);
# - CPU while the theme plays through the daemon: the game (sound_bench)
#   against FluidSynth's own player through the same SDL path (`fluidsynth
#   -a sdl2`), the same file, font, rate and gain, each counted with the
#   daemon's share (aim: at most 1.1 times FluidSynth's);
# - the chime's latency: the call to its first sound out of the daemon, as
#   the first sound of the run and again after other sounds and a quiet time
#   (the sound server tests' recording; median of five runs).
#
# Needs xvfb, pulseaudio and fluidsynth (installed when missing). BUILD_DIR
# picks the build folder (default build-bench, a Release build).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${kotebu_packages[@]}" "${kotebu_test_packages[@]}" fluidsynth

seconds="${1:-15}"
build="${BUILD_DIR:-build-bench}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" --target kotebu_daybench sound_bench sound_server_tests -j2 >/dev/null

work="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# The daemon, its files in the work folder. Its sink suspends after a second
# of silence, as a desktop's does (after five there).
mkdir -p "$work/pulse" "$work/runtime"
chmod 700 "$work/pulse" "$work/runtime"
export HOME="$work/pulse" PULSE_RUNTIME_PATH="$work/pulse" PULSE_STATE_PATH="$work/pulse"
export XDG_CONFIG_HOME="$work/pulse" XDG_RUNTIME_DIR="$work/runtime"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=stderr --log-level=error \
    -L "module-null-sink sink_name=out rate=44100" \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$work/pulse/native" \
    -L "module-suspend-on-idle timeout=1" &
daemon=$!
pids+=("$daemon")
for _ in $(seq 100); do [ -S "$work/pulse/native" ] && break; sleep 0.05; done
export PULSE_SERVER="unix:$work/pulse/native" SDL_AUDIODRIVER=pulseaudio
pactl set-default-sink out

display=":$((90 + RANDOM % 9))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 1
export DISPLAY="$display" QT_QPA_PLATFORM=xcb

# The context switches of each of a process's threads, one line each (its id
# and its count): each is the thread going to sleep, so their growth over a
# stretch counts its wakeups.
switches() {
    for task in /proc/"$1"/task/*; do
        awk -v t="${task##*/}" '/^(non)?voluntary_ctxt_switches/ { n += $2 } END { print t, n + 0 }' \
            "$task/status" 2>/dev/null || true
    done
}
# The wakeups between two such lists: a thread that came meanwhile counts
# whole, one that went is left out.
wakeups() { awk 'NR == FNR { before[$1] = $2; next } { n += $2 - before[$1] } END { print n + 0 }' "$1" "$2"; }
# Nanoseconds on a CPU over all of a process's threads.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { printf "%.0f\n", n }'; }
threads() { ls /proc/"$1"/task | wc -l; }
sink_state() { pactl list short sinks | awk '$2 == "out" { print $NF }'; }

# 1. The game window waiting: a day of a minute, so no phase falls in the
# stretch counted; the chime and the theme have played and stopped before.
rm -rf "$work/game"; cp -R assets/game "$work/game"
sed -e 's/^TimeOfDay=.*/TimeOfDay=60000\r/' assets/game/KTBSPST.INI > "$work/game/KTBSP.INI"
(cd "$work/game" && exec "$OLDPWD/$build/bench/kotebu_daybench" wait) > "$work/wait.txt" 2>/dev/null &
game=$!
pids+=("$game")
for _ in $(seq 600); do grep -q waiting "$work/wait.txt" 2>/dev/null && break; sleep 0.1; done
grep -q waiting "$work/wait.txt" || { echo "FAIL: the game window never came" >&2; exit 1; }
sleep 3
switches "$game" > "$work/game0"; switches "$daemon" > "$work/daemon0"
sleep "$seconds"
switches "$game" > "$work/game1"; switches "$daemon" > "$work/daemon1"
wait_state="$(sink_state)"
wait_threads="$(threads "$game")"
kill "$game"; wait "$game" 2>/dev/null || true

# 2. The theme, once from the game's sound layer and once from FluidSynth.
# The game's own choice of font, first found of these.
font=""
for candidate in /usr/share/sounds/sf2/FluidR3_GM.sf2 /usr/share/sounds/sf2/default-GM.sf2 /usr/share/sounds/sf2/TimGM6mb.sf2; do
    [ -f "$candidate" ] && { font="$candidate"; break; }
done
theme_cpu() { # pid -> "player% daemon%" over the stretch, after a settling start
    sleep 3
    local p0 d0 p1 d1
    p0="$(cpu_ns "$1")"; d0="$(cpu_ns "$daemon")"
    sleep "$seconds"
    p1="$(cpu_ns "$1")"; d1="$(cpu_ns "$daemon")"
    awk -v p="$((p1 - p0))" -v d="$((d1 - d0))" -v s="$seconds" \
        'BEGIN { printf "%.2f %.2f\n", p / s / 1e7, d / s / 1e7 }'
}
# Three rounds, the two players taking turns, so a busy machine weighs on
# both alike; the medians are compared.
: > "$work/theme.txt"
for _ in 1 2 3; do
    KOTEBU_SOUNDFONT="$font" "$build/bench/sound_bench" "$((seconds + 5))" "$PWD/assets/game/Megami.mid" >/dev/null 2>&1 &
    player=$!
    pids+=("$player")
    read -r game_cpu game_daemon < <(theme_cpu "$player")
    game_state="$(sink_state)"
    kill "$player" 2>/dev/null; wait "$player" 2>/dev/null || true

    fluidsynth -a sdl2 -i -q -r 44100 -g 0.6 "$font" assets/game/Megami.mid >/dev/null 2>&1 &
    player=$!
    pids+=("$player")
    read -r fs_cpu fs_daemon < <(theme_cpu "$player")
    kill "$player" 2>/dev/null; wait "$player" 2>/dev/null || true
    echo "$game_cpu $game_daemon $fs_cpu $fs_daemon" >> "$work/theme.txt"
done
column_median() { awk -v c="$1" '{ print $c }' "$work/theme.txt" | sort -g | sed -n 2p; }
game_cpu="$(column_median 1)"; game_daemon="$(column_median 2)"
fs_cpu="$(column_median 3)"; fs_daemon="$(column_median 4)"
game_total="$(awk '{ print $1 + $2 }' "$work/theme.txt" | sort -g | sed -n 2p)"
fs_total="$(awk '{ print $3 + $4 }' "$work/theme.txt" | sort -g | sed -n 2p)"

# 3. The chime from a closed device, heard at the daemon's sink monitor
# (the sound server tests' own recording, in this Release build).
chimes="$(KOTEBU_GAME_FILES="$PWD/assets/game" QT_QPA_PLATFORM=offscreen \
    "$build/tests/media/sound_server_tests" --gtest_filter='*Chime*' --gtest_repeat=5 2>/dev/null |
    grep '^chime heard' || true)"
chime() { # the median of the chimes heard in this case, and all of them
    local all
    all="$(sed -n "s/^chime heard \([0-9-]*\) ms after the call ($1).*/\1/p" <<<"$chimes")"
    printf '%s ms (%s)' "$(sort -g <<<"$all" | awk '{a[NR]=$1} END {if (NR == 0) print "n/a"; else print a[int((NR + 1) / 2)]}')" \
        "$(tr '\n' ' ' <<<"$all" | sed 's/ $//')"
}

printf '%-58s %s\n' "waiting in the game window ($seconds s, $wait_threads threads):" ""
awk -v g="$(wakeups "$work/game0" "$work/game1")" -v d="$(wakeups "$work/daemon0" "$work/daemon1")" -v s="$seconds" -v st="$wait_state" 'BEGIN {
    printf "  %-56s %.2f (aim <= 2)\n", "game wakeups a second, all threads", g / s
    printf "  %-56s %.2f\n", "sound server wakeups a second", d / s
    printf "  %-56s %s (aim SUSPENDED)\n", "sink state", st
}'
printf '%-58s %s\n' "theme through the sound server, CPU % of one core ($(basename "$font")):" ""
awk -v g="$game_cpu" -v gd="$game_daemon" -v gt="$game_total" -v f="$fs_cpu" -v fd="$fs_daemon" -v ft="$fs_total" 'BEGIN {
    printf "  %-56s %.2f + %.2f, together %.2f\n", "game + server (medians of 3)", g, gd, gt
    printf "  %-56s %.2f + %.2f, together %.2f\n", "fluidsynth -a sdl2 + server (medians of 3)", f, fd, ft
    printf "  %-56s %.2fx (aim <= 1.1)\n", "ratio of the totals", gt / ft
}'
printf '  %-56s %s\n' "sink while the game played the theme" "$game_state"
echo "chime heard after the call, median of 5:"
printf '  %-56s %s\n' "first sound of the run" "$(chime "the device opened for it")"
printf '  %-56s %s\n' "after other sounds and a quiet time" "$(chime "the device opened again")"
