#!/usr/bin/env bash
# Prints the game's performance figures as a table, each a median over
# repeated runs on a real window under Xvfb:
#   bench/run.sh [runs]
# Needs xvfb (installed when missing). Builds a Release tree in build-bench.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${kotebu_packages[@]}" "${kotebu_test_packages[@]}" xvfb xauth

runs="${1:-3}"
build="${BUILD_DIR:-build-bench}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" --target kotebu_daybench ini_saveday_bench folder_check sound_bench -j2 >/dev/null

work="$(mktemp -d)"
trap 'kill "${xvfb:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime"; mkdir -p "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
display=":$((90 + RANDOM % 9))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY="$display" QT_QPA_PLATFORM=xcb

# A game folder like the player's, with a one-second day.
prepare() {
    rm -rf "$work/game"; cp -R assets/game "$work/game"
    sed -e 's/^TimeOfDay=.*/TimeOfDay=1000\r/' assets/game/KTBSPST.INI > "$work/game/KTBSP.INI"
}

median() { sort -g | awk '{a[NR]=$1} END {if (NR==0) print "n/a"; else if (NR%2) print a[(NR+1)/2]; else print (a[NR/2]+a[NR/2+1])/2}'; }
field() { sed -n "s/.*$1=\([-0-9.]*\).*/\1/p"; }

starts="$work/start.txt"; : > "$starts"
prepare
for _ in $(seq 10); do
    (cd "$work/game" && "$OLDPWD/$build/bench/kotebu_daybench" start) >> "$starts"
done
# The same start in every language: the translation and the region's fonts
# are loaded before the first window.
for language in ja en zh_CN zh_TW ko; do
    : > "$work/start-$language.txt"
    for _ in $(seq 15); do
        (cd "$work/game" && LANGUAGE=$language "$OLDPWD/$build/bench/kotebu_daybench" start) >> "$work/start-$language.txt"
    done
done

results="$work/day.txt"; : > "$results"
for _ in $(seq "$runs"); do
    prepare
    (cd "$work/game" && KOTEBU_BENCH_DAY_MS=1000 "$OLDPWD/$build/bench/kotebu_daybench" day 30) | tee -a "$results"
done
prepare
theme="$( (cd "$work/game" && "$OLDPWD/$build/bench/kotebu_daybench" theme 185) )"
echo "$theme"

# The selector with the shipped theme, and with the largest theme the game
# reads (4 MiB asking for every instrument there is).
shipped="$work/selector.txt"; : > "$shipped"
largest="$work/largest.txt"; : > "$largest"
for _ in $(seq "$runs"); do
    prepare
    (cd "$work/game" && "$OLDPWD/$build/bench/kotebu_daybench" selector) | tee -a "$shipped"
    prepare
    (cd "$work/game" && KOTEBU_BENCH_THEME_BYTES=4194304 "$OLDPWD/$build/bench/kotebu_daybench" selector) | tee -a "$largest"
done

saves="$("$build/bench/ini_saveday_bench" "$work" 50 | tail -n 1)"
folder="$(QT_QPA_PLATFORM=offscreen "$build/bench/folder_check" 10000 50)"

printf '%-44s %12s %s\n' "figure (median of $runs runs)" "value" "aim"
printf '%-44s %12s %s\n' "process start to the logo on screen (ms, 10 starts)" "$(field start_ms < "$starts" | median)" "< 300"
for language in ja en zh_CN zh_TW ko; do
    printf '%-44s %12s %s\n' "  in $language (ms, 15 starts)" "$(field start_ms < "$work/start-$language.txt" | median)" "the same"
done
printf '%-44s %12s %s\n' "CPU while the selector plays the theme (%)" "$(field selector_cpu_pct < "$results" | median)" "< 5"
printf '%-44s %12s %s\n' "CPU while the day loop waits (%)" "$(field day_cpu_pct < "$results" | median)" "< 1"
printf '%-44s %12s %s\n' "day-clock period error over 30 ticks (%)" "$(field period_error_pct < "$results" | median)" "< 1"
printf '%-44s %12s %s\n' "peak RSS with music (MB)" "$(field peak_rss_mb < "$results" | median)" "< 120"
printf '%-44s %12s %s\n' "lyric lag, worst over the theme (ms)" "$(field lyric_lag_worst_ms <<< "$theme")" "< 350"
printf '%-44s %12s %s\n' "lyric lag, earliest over the theme (ms)" "$(field lyric_lag_earliest_ms <<< "$theme")" ">= 0"
printf '%-44s %12s %s\n' "lyric cues seen over the theme" "$(field lyrics_seen <<< "$theme")" "24"
printf '%-44s %12s %s\n' "process start to the selector (ms)" "$(field selector_ms < "$shipped" | median)" "the logo's length"
printf '%-44s %12s %s\n' "  with a 4 MiB theme (ms)" "$(field selector_ms < "$largest" | median)" "the same"
printf '%-44s %12s %s\n' "longest stall of the selector (ms)" "$(field longest_stall_ms < "$shipped" | median)" "< 100"
printf '%-44s %12s %s\n' "  with a 4 MiB theme (ms)" "$(field longest_stall_ms < "$largest" | median)" "< 100"
printf '%-44s %12s\n' "seven writes at Exit, durable" "$saves"
printf '%-44s\n%s\n' "folder check per keystroke (aim < 50 ms):" "$folder"
