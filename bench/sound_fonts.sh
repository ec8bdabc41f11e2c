#!/usr/bin/env bash
# The worst audio callback over the whole shipped theme, with each General
# MIDI SoundFont installed, each from a cold cache (its pages dropped first),
# against the device's buffer period (aim: under half of it), and the peak
# memory with each font.
#
#   bench/sound_fonts.sh [font.sf2 ...]
#
# Without arguments it takes TimGM6mb and FluidR3_GM from /usr/share/sounds/sf2
# (Debian: timgm6mb-soundfont, fluid-soundfont-gm). BUILD_DIR picks the build
# folder (default build-bench, a Release build). Exits non-zero when a figure
# is over its aim or a font is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/sound_setup.sh

fonts=("$@")
[ ${#fonts[@]} -eq 0 ] && fonts=(/usr/share/sounds/sf2/TimGM6mb.sf2 /usr/share/sounds/sf2/FluidR3_GM.sf2)
status=0
for font in "${fonts[@]}"; do
    if [ ! -f "$font" ]; then
        echo "FAIL: $font is not installed"
        status=1
        continue
    fi
    report="$(KOTEBU_SOUNDFONT="$font" "$build/bench/sound_bench" --callbacks assets/game/Megami.mid)"
    echo "$report"
    share="$(sed -n 's/^worst audio callback: .*(\([0-9]*\) %)$/\1/p' <<<"$report")"
    if [ -z "$share" ] || [ "$share" -ge 50 ]; then
        echo "FAIL: worst callback ${share:-?} % of the period (aim < 50 %)"
        status=1
    fi
    echo
done
exit $status
