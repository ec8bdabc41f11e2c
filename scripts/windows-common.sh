# What scripts/build-windows.sh and scripts/test-on-wine.sh share. Sourced
# after scripts/packages.sh.

# The cross compilers, NSIS for the installer, the source tools, Wine to run
# the result, and the host's Qt tools (moc, rcc, uic, lrelease) that the
# Windows build runs.
kotebu_windows_packages=(
    cmake ninja-build python3 perl patch dpkg-dev xz-utils
    g++-mingw-w64-x86-64-posix mingw-w64-tools nsis
    qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    googletest
)
kotebu_wine_packages=(wine wine64 xvfb xauth openbox xdotool imagemagick fonts-ipafont-gothic fonts-ipafont-mincho fonts-noto-cjk)

kotebu_windows_cache="${XDG_CACHE_HOME:-$HOME/.cache}/kotebu-windows"
kotebu_windows_build="${KOTEBU_WINDOWS_BUILD:-build-windows}"

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
                   -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache" -o Debug::NoLocking=true)
    # A source list that has no sources fails its part of the update; the
    # fetch below tells whether what is needed came.
    apt-get -qq "${options[@]}" update || true
    (cd "$folder" && apt-get -qq "${options[@]}" source --download-only "$package=$version")
    (cd "$folder" && dpkg-source -x "$(ls "$package"_*.dsc | head -n 1)" >/dev/null)
}
