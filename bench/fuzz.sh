#!/usr/bin/env bash
# Fuzzes the readers of players' files for as long as asked, two targets at a
# time:
#   bench/fuzz.sh [seconds per target] [target...]
# Targets: ini save numbers names midi picture (all when none is named); ten
# minutes each unless told. Builds them with clang into build-fuzz, grows each
# one's corpus in build-fuzz/corpus/<target> (kept from run to run) and leaves
# an input that breaks a property in build-fuzz/findings/<target>/, with the
# run's log beside it. A finding, once mended, goes into
# tests/fuzz/corpus/<target>/ under a name that says what it is.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${kotebu_packages[@]}" "${kotebu_fuzz_packages[@]}"

seconds="${1:-600}"
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(ini save numbers names midi picture)
root="$(pwd)"
build="$root/${BUILD_DIR:-build-fuzz}"
cmake -S tests/fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" >/dev/null
# Saves and file look-ups play in a scratch folder: in memory when there is one.
[ -d /dev/shm ] && export TMPDIR=/dev/shm

# The seeds of each target, as ctest gives them (tests/CMakeLists.txt).
seeds() {
    local game="$root/assets/game" corpus="$root/tests/fuzz/corpus/$1"
    case "$1" in
    ini) echo "$corpus" "$game/KTBSPST.INI" ;;
    midi) echo "$corpus" "$build/large-seeds/midi" "$game/Megami.mid" ;;
    picture) echo "$corpus" "$game/KoTeBu" "$game/KoTeBu2" -- -malloc_limit_mb=128 ;;
    *) echo "$corpus" ;;
    esac
}

fuzz() {
    local target="$1"
    local findings="$build/findings/$target"
    mkdir -p "$findings"
    # shellcheck disable=SC2046
    (cd "$findings" && "$root/tests/fuzz/fuzz.sh" "$build/fuzz_$target" "$seconds" \
        --keep "$build/corpus/$target" $(seeds "$target")) > "$build/findings/$target.log" 2>&1
}

echo "fuzzing ${targets[*]} for $seconds s each, two at a time"
failed=0
running=0
for target in "${targets[@]}"; do
    if [ "$running" -ge 2 ]; then
        wait -n || failed=1
        running=$((running - 1))
    fi
    fuzz "$target" &
    running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
    wait -n || failed=1
    running=$((running - 1))
done

printf '%-10s %14s %10s %s\n' target executions "per second" result
for target in "${targets[@]}"; do
    log="$build/findings/$target.log"
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
    rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)"
    if grep -q 'found a failing input\|a seed failed' "$log"; then
        result="FAILED: see $log"
    else
        result="ok, corpus of $(find "$build/corpus/$target" -type f | wc -l) inputs"
    fi
    printf '%-10s %14s %10s %s\n' "$target" "${runs:-0}" "${rate:-0}" "$result"
done
exit "$failed"
