#!/usr/bin/env bash
# Replays a fuzz target's seeds, then fuzzes it:
#   fuzz.sh target seconds [--keep folder] seeds... [-- libFuzzer options...]
# Every seed (the files named and those in the folders named) runs once,
# whole, and must keep the target's properties. Then, for `seconds` (0: the
# replay only), libFuzzer tries new inputs grown from the seeds, in a scratch
# corpus that goes away, or in the folder --keep names, which keeps what it
# finds for the next run. An input that breaks a property, crashes, leaks or
# hangs stops the run and is saved in the current folder as crash-*, leak-*,
# timeout-* or oom-*; run the target on that file to see it again.
set -euo pipefail

target="$1"
seconds="$2"
shift 2
keep=""
seeds=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    if [ "$1" = --keep ]; then
        keep="$2"
        shift 2
        continue
    fi
    seeds+=("$1")
    shift
done
[ $# -gt 0 ] && shift
options=("$@")

# A dictionary of the format's words beside the target's source, when there
# is one, helps mutation find them.
name="$(basename "$target")"
dictionary="$(dirname "$0")/${name#fuzz_}.dict"
[ -f "$dictionary" ] && options+=("-dict=$dictionary")

files=()
for seed in "${seeds[@]}"; do
    if [ -d "$seed" ]; then
        while IFS= read -r -d '' file; do files+=("$file"); done < <(find "$seed" -type f -print0 | sort -z)
    else
        files+=("$seed")
    fi
done
[ ${#files[@]} -gt 0 ] || { echo "$name: no seeds" >&2; exit 1; }

# Leaks in the system's own libraries are not ours to find.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(dirname "$0")/../lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

echo "$name: replaying ${#files[@]} seeds"
set +e
"$target" -timeout=10 -rss_limit_mb=2048 "${options[@]}" "${files[@]}" 2>&1 | grep -v '^Running: \|^Executed .* in [0-9]* ms$'
status=${PIPESTATUS[0]}
set -e
[ "$status" -eq 0 ] || { echo "$name: a seed failed" >&2; exit "$status"; }
[ "$seconds" -gt 0 ] || exit 0

corpus="$keep"
if [ -z "$corpus" ]; then
    corpus="$(mktemp -d)"
    trap 'rm -rf "$corpus"' EXIT
fi
mkdir -p "$corpus"
for i in "${!files[@]}"; do
    cp "${files[$i]}" "$corpus/seed-$i-$(basename "${files[$i]}")"
done
echo "$name: fuzzing for $seconds s"
# Inputs of up to 16 KB: room for every format's structure, and small enough
# that each try is quick (the large seeds are cut to it; the replay above ran
# them whole).
set +e
"$target" -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    "${options[@]}" "$corpus" 2>&1 | grep -v '^#[0-9]*\s*\(NEW\|REDUCE\|pulse\)'
status=${PIPESTATUS[0]}
set -e
[ "$status" -eq 0 ] || { echo "$name: fuzzing found a failing input (saved in $(pwd))" >&2; exit "$status"; }
