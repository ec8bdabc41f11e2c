#!/usr/bin/env bash
# Builds the game in Release and starts it in the player's game folder.
# Installs missing Debian packages first.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages "${kotebu_packages[@]}"

build=build-release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$build"
exec "$build/app/kotebu-launcher" "$@"
