#!/usr/bin/env bash
# What the sound costs while the theme plays: CPU (aim: under 5% of one core)
# and peak memory (aim: under 120 MB), plus the cost of installSound() at start
# and of the first PlayMidi, which opens the device and loads the SoundFont.
#
#   bench/sound_cpu.sh [seconds] [theme.mid]
#
# Without a theme file the bench writes one of its own. BUILD_DIR picks the
# build folder (default build-bench, a Release build). Exits non-zero when a
# figure is over its aim.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/sound_setup.sh

args=("${1:-10}")
[ $# -ge 2 ] && args+=("$(realpath "$2")")
report="$("$build/bench/sound_bench" "${args[@]}")"
echo "$report"

cpu="$(sed -n 's/^CPU while playing: \([0-9.]*\) %.*/\1/p' <<<"$report")"
rss="$(sed -n 's/^peak RSS: \([0-9.]*\) MB/\1/p' <<<"$report")"
awk -v cpu="$cpu" -v rss="$rss" 'BEGIN {
    ok = (cpu != "" && rss != "" && cpu < 5 && rss < 120)
    printf "%s: CPU %s %% (aim < 5), peak RSS %s MB (aim < 120)\n", ok ? "PASS" : "FAIL", cpu, rss
    exit ok ? 0 : 1
}'
