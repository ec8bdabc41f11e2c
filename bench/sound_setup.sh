# Shared by the sound benches: builds sound_bench in a Release tree
# (BUILD_DIR, default build-bench) and sets up a headless environment.
# Sourced from the repository's root.
build="${BUILD_DIR:-build-bench}"
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target sound_bench -j2 >/dev/null

export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
runtime="$(mktemp -d)"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$runtime}"
