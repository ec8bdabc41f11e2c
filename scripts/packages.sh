# Installs the Debian packages the game and its tests need, when missing.
# Sourced by play.sh and test.sh.

kotebu_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libfluidsynth-dev libsdl2-dev timgm6mb-soundfont
    fonts-ipafont-gothic fonts-ipafont-mincho
    fonts-wqy-microhei fonts-arphic-uming fonts-nanum
    qt6-wayland
)
kotebu_test_packages=(googletest libgtest-dev libgmock-dev)
# The Debian package test: CPack looks up the libraries with dpkg-shlibdeps.
kotebu_test_packages+=(dpkg-dev lintian appstream desktop-file-utils)
# The tests that start a sound server and a Wayland compositor of their own.
kotebu_test_packages+=(pulseaudio pulseaudio-utils weston)
# The windows under a real X server and window manager, read with xprop.
kotebu_test_packages+=(xvfb openbox x11-utils)
# The screen-reader test on that desktop: a session bus, the accessibility
# bus, a Python client of it, and Orca.
kotebu_test_packages+=(dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0 orca)
# The pictures' check renders every picture again from its source, with the
# fonts the pictures' words are set in.
kotebu_test_packages+=(python3 librsvg2-bin imagemagick fontconfig fonts-noto-cjk)
# The fuzz targets: clang with its libFuzzer and sanitizer runtimes. The
# unversioned names follow each release's own clang (14 on Debian 12, 19 on
# Debian 13).
kotebu_fuzz_packages=(clang libclang-rt-dev)
kotebu_test_packages+=("${kotebu_fuzz_packages[@]}")

ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}
