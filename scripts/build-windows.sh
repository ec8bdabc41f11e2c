#!/usr/bin/env bash
# Makes the Windows files of the game on Debian 12 or 13, from Debian's own
# sources, into dist/:
#
#   kotebu-special-pack-<version>-windows-x64.zip   unzip and double-click
#   kotebu-special-pack-<version>-setup.exe         the installer (NSIS)
#
# Debian packages no Qt for Windows, so the first run fetches the source of
# the Qt Debian ships (apt-get source qt6-base, through an apt configuration
# of its own: the machine's apt sources stay as they are) and builds a
# minimal Qt for Windows with Debian's MinGW-w64 compilers, against the
# machine's own Qt tools, into
#   ${XDG_CACHE_HOME:-~/.cache}/kotebu-windows/
# That takes about forty minutes on two cores; later runs reuse it and
# take a minute. Installs the Debian packages it needs first. Not part
# of ./test.sh: scripts/test-on-wine.sh checks what it makes.
#
#   scripts/build-windows.sh          the zip and the installer
#   KOTEBU_WINDOWS_TESTS=ON scripts/build-windows.sh
#                                     also the test programs (test-on-wine.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/windows-common.sh

say "Installing what the Windows build needs"
ensure_packages "${kotebu_windows_packages[@]}"

qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
qt_upstream=$(kotebu_qt_upstream)
qt="$kotebu_windows_cache/qt-$qt_upstream"
mkdir -p "$kotebu_windows_cache"

if [ ! -f "$qt/.complete" ]; then
    say "Building Qt $qt_upstream for Windows once into $qt (about forty minutes on two cores)"
    work="$kotebu_windows_cache/qt-build-$qt_upstream"
    rm -rf "$work"
    mkdir -p "$work"
    fetch_debian_source qt6-base "$qt_version" "$work"
    source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
    # Debian removed Qt's wintab headers (tablet events), and one of its
    # patches links zstd from the system: both are off, as are the modules
    # the game does not use.
    cmake -S "$source_dir" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/packaging/windows/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
        -DQT_QMAKE_TARGET_MKSPEC=win32-g++ -DBUILD_SHARED_LIBS=ON \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
        -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_printsupport=OFF \
        -DFEATURE_icu=OFF -DFEATURE_openssl=OFF -DFEATURE_zstd=OFF -DFEATURE_tabletevent=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
        >"$work/configure.log"
    cmake --build "$work/build"
    cmake --install "$work/build" >"$work/install.log"
    touch "$qt/.complete"
    rm -rf "$work"
else
    say "Reusing Qt $qt_upstream for Windows from $qt"
fi

extra=()
if [ "${KOTEBU_WINDOWS_TESTS:-OFF}" = ON ]; then
    gtest="$kotebu_windows_cache/googletest"
    if [ ! -f "$gtest/.complete" ]; then
        say "Building GoogleTest for Windows once into $gtest"
        work="$kotebu_windows_cache/googletest-build"
        rm -rf "$work"
        mkdir -p "$work"
        fetch_debian_source googletest "$(dpkg-query -W -f='${source:Version}' googletest)" "$work"
        source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'googletest-*' | head -n 1)
        cmake -S "$source_dir" -B "$work/build" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$PWD/packaging/windows/mingw-w64-x86_64.cmake" \
            -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$gtest" >"$work/configure.log"
        cmake --build "$work/build"
        cmake --install "$work/build" >"$work/install.log"
        touch "$gtest/.complete"
        rm -rf "$work"
    fi
    extra=(-DBUILD_TESTING=ON -DGTest_DIR="$gtest/lib/cmake/GTest" -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/scripts/wine-run.sh")
else
    extra=(-DBUILD_TESTING=OFF)
fi

say "Building the game for Windows in $kotebu_windows_build"
"$qt/bin/qt-cmake" -S . -B "$kotebu_windows_build" -G Ninja -DCMAKE_BUILD_TYPE=Release "${extra[@]}" >/dev/null
cmake --build "$kotebu_windows_build"

version=$(kotebu_version)
name="kotebu-special-pack-$version"
staging="$kotebu_windows_build/staging/$name"
rm -rf "$kotebu_windows_build/staging"
cmake --install "$kotebu_windows_build" --prefix "$staging" >/dev/null
x86_64-w64-mingw32-strip --strip-unneeded "$staging"/*.exe "$staging"/*.dll "$staging"/plugins/*/*.dll

mkdir -p dist
zip="dist/$name-windows-x64.zip"
setup="dist/$name-setup.exe"
rm -f "$zip" "$setup"
say "Writing $zip"
(cd "$kotebu_windows_build/staging" && cmake -E tar cf "$OLDPWD/$zip" --format=zip "$name")
say "Writing $setup"
makensis -V2 -DVERSION="$version" -DSTAGING="$staging" -DICON="$kotebu_windows_build/app/kotebu.ico" \
    -DOUTFILE="$PWD/$setup" packaging/windows/installer.nsi
ls -l dist/
say "Done"
