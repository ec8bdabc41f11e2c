#!/usr/bin/env bash
# Kills a process 1,000 times at random instants while it writes one INI key,
# and 1,000 times while it makes the seven-value save at Exit; after every kill
# the file must be whole, old or new.
#   bench/kill_saves.sh [rounds]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build-bench}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" --target store_tests ini_writer_child -j2 >/dev/null
export QT_QPA_PLATFORM=offscreen
KOTEBU_KILL_ROUNDS="${1:-1000}" "$build/tests/store/store_tests" --gtest_filter='IniKill.*' \
    --gtest_output="xml:${TMPDIR:-/tmp}/kill_saves.xml"
sed -n 's/.*testcase name="\([A-Za-z]*\)".*/\1/p; s/.*property name="\([A-Za-z]*\)" value="\([0-9]*\)".*/  \1 \2/p' "${TMPDIR:-/tmp}/kill_saves.xml"
