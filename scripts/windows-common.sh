# What scripts/build-windows.sh and scripts/test-on-wine.sh share. Sourced
# after scripts/packages.sh.

# say STEP: what the script does now, with its seconds so far.
kotebu_started=$SECONDS
say() { printf '== %s (%d s)\n' "$*" $((SECONDS - kotebu_started)); }

# The cross compilers, NSIS for the installer, the source tools, Wine to run
# the result, and the host's Qt tools (moc, rcc, uic, lrelease) that the
# Windows build runs.
kotebu_windows_packages=(
    cmake ninja-build python3 perl patch dpkg-dev xz-utils
    g++-mingw-w64-x86-64-posix mingw-w64-tools nsis
    qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    googletest
)
kotebu_wine_packages=(wine wine64 xvfb xauth x11-utils openbox xdotool imagemagick
    fonts-ipafont-gothic fonts-ipafont-mincho fonts-wqy-microhei fonts-arphic-uming fonts-nanum)

kotebu_windows_cache="${XDG_CACHE_HOME:-$HOME/.cache}/kotebu-windows"
kotebu_windows_build="$(realpath -m "${KOTEBU_WINDOWS_BUILD:-build-windows}")"
# The Qt for Windows of the host's own Qt version (the Windows build runs the
# host's moc, rcc and uic), and the game's version.
kotebu_qt_upstream() { local v; v=$(dpkg-query -W -f='${source:Version}' qt6-base-dev); v=${v%%+*}; echo "${v%%-*}"; }
kotebu_version() { sed -n 's/^project(KoTeBuSpecialPack VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt; }

# kotebu_start_x: an X server of our own on a display no one holds, with a
# window manager, both gone with the script (sets DISPLAY and kotebu_xvfb).
kotebu_start_x() {
    local n display=""
    for n in $(seq 40 99); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { display=":$n"; break; }
    done
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    kotebu_xvfb=$!
    export DISPLAY="$display"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    openbox >/dev/null 2>&1 &
}

# kotebu_wineserver ARGS: the prefix's wineserver (-k ends it).
kotebu_wineserver() {
    if [ -x /usr/lib/wine/wineserver64 ]; then /usr/lib/wine/wineserver64 "$@" 2>/dev/null || true
    else wineserver "$@" 2>/dev/null || true; fi
}

# fetch_debian_source PACKAGE VERSION FOLDER
# Fetches and unpacks the Debian source package (its patches applied) into
# FOLDER through an apt configuration of the cache's own: the deb-src twins
# of the machine's own apt sources, lists kept in the cache.
fetch_debian_source() {
    local package=$1 version=$2 folder=$3
    local apt="$kotebu_windows_cache/apt"
    mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial"
    python3 - "$apt/sources.list" <<'PY'
import glob, os, re, sys

lines = []
for path in ["/etc/apt/sources.list"] + sorted(glob.glob("/etc/apt/sources.list.d/*.list")):
    if os.path.exists(path):
        for line in open(path):
            if re.match(r"\s*deb\s", line):
                lines.append(re.sub(r"^\s*deb\s", "deb-src ", line.strip()))
for path in sorted(glob.glob("/etc/apt/sources.list.d/*.sources")):
    for stanza in re.split(r"\n\s*\n", open(path).read()):
        fields = {}
        for line in stanza.splitlines():
            m = re.match(r"([A-Za-z-]+):\s*(.*)", line)
            if m:
                fields[m.group(1).lower()] = m.group(2).strip()
        if "deb" not in fields.get("types", "").split() or fields.get("enabled", "yes") == "no":
            continue
        options = "[signed-by=%s] " % fields["signed-by"] if "signed-by" in fields else ""
        for uri in fields.get("uris", "").split():
            for suite in fields.get("suites", "").split():
                lines.append("deb-src %s%s %s %s" % (options, uri, suite, fields.get("components", "")))
open(sys.argv[1], "w").write("\n".join(lines) + "\n")
PY
    local options=(-o Dir::Etc::sourcelist="$apt/sources.list" -o Dir::Etc::sourceparts=-
                   -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache" -o Debug::NoLocking=true
                   -o APT::Sandbox::User="$(id -un)")
    # A source list that has no sources fails its part of the update; the
    # fetch below tells whether what is needed came.
    apt-get -qq "${options[@]}" update || true
    (cd "$folder" && apt-get -qq "${options[@]}" source --download-only "$package=$version")
    (cd "$folder" && dpkg-source -x "$(ls "$package"_*.dsc | head -n 1)" >/dev/null)
}
