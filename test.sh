#!/usr/bin/env bash
# Builds the game with AddressSanitizer and UndefinedBehaviorSanitizer and runs
# every test headless. Installs missing Debian packages first.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages "${kotebu_packages[@]}" "${kotebu_test_packages[@]}"

# Cheap, before the build: the rules and the store include no Qt Gui or Qt
# Widgets header.
scripts/qt-core-only.sh

# The committed pictures are what their sources render to.
sh assets/art/render.sh --check

build=build-test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKOTEBU_SANITIZE=ON -DKOTEBU_WERROR=ON -DBUILD_TESTING=ON
cmake --build "$build"

# Every test's environment (headless platform, dummy audio, sanitizer
# options) is set by tests/CMakeLists.txt, so ctest alone runs them the same.
# Four at a time on two cores: the longest tests spend most of their time
# waiting on real time (the logo, sound played at its pace, a screen reader
# reading), and none asserts how long anything takes, so a busy machine only
# makes the run longer.
ctest --test-dir "$build" --output-on-failure -j 4
