#!/usr/bin/env bash
# Builds the game with AddressSanitizer and UndefinedBehaviorSanitizer and runs
# every test headless. Installs missing Debian packages first.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages "${kotebu_packages[@]}" "${kotebu_test_packages[@]}"

build=build-test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKOTEBU_SANITIZE=ON -DBUILD_TESTING=ON
cmake --build "$build"

export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=dummy
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"

ctest --test-dir "$build" --output-on-failure -j 2
