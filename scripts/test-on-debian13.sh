#!/usr/bin/env bash
# Runs ./test.sh on a fresh Debian 13 (trixie) in a chroot, to catch a package
# that scripts/packages.sh forgets (this machine has it, a new one doesn't)
# and whatever the newer Debian changes under the game.
#
# What runs is a clean clone of the commit HEAD is at: uncommitted changes
# are NOT tested. Commit first.
#
# Usage: scripts/test-on-debian13.sh [SUITE]   (as root; goes through sudo otherwise)
#   SUITE, or KOTEBU_CHROOT_SUITE: the Debian suite to test on; by default the
#     codename of the mirror's stable (trixie, Debian 13, for now).
#   KOTEBU_CHROOT_COMMAND: a shell command run in the clone instead of
#     ./test.sh, to check this script in seconds, e.g.
#     KOTEBU_CHROOT_COMMAND='uname -a; cat /etc/os-release; ls'
#
# The mirror is the one this machine's apt uses. The base system is made once
# with debootstrap into build-chroot/SUITE-base (delete it to make it anew);
# each run copies it to a folder of its own, so every run starts clean, and
# removes that folder at the end. The output is kept in build-chroot/ too.
set -euo pipefail

# mount and chroot need root.
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Run this as root: mount and chroot need it" >&2; exit 1; }
    exec sudo --preserve-env=KOTEBU_CHROOT_SUITE,KOTEBU_CHROOT_COMMAND "$0" "$@"
fi
cd "$(dirname "$0")/.."
repo=$(pwd -P)
source scripts/packages.sh
ensure_packages debootstrap || {
    echo "This needs the Debian package debootstrap: apt-get install debootstrap" >&2
    exit 1
}
PATH=$PATH:/usr/sbin:/sbin

# The mirror this machine already gets its packages from (deb822 first, then
# the one-line format), not the security archive.
sources=/etc/apt/sources.list.d/debian.sources
if [ -f "$sources" ]; then
    mirror=$(awk '/^URIs:/ && !/security/ {print $2; exit}' "$sources")
else
    mirror=$(awk '{sub(/\[[^]]*\]/, "")} $1 == "deb" && !/security/ {print $2; exit}' /etc/apt/sources.list)
fi
mirror=${mirror%/}
[ -n "$mirror" ] || { echo "No Debian mirror found in this machine's apt sources" >&2; exit 1; }

# The codename, not "stable": the chroot's apt must not jump to the next
# release on its own. wget comes with debootstrap.
suite=${1:-${KOTEBU_CHROOT_SUITE:-}}
if [ -z "$suite" ]; then
    suite=$(wget -qO- "$mirror/dists/stable/Release" | sed -n 's/^Codename: //p') || true
    [ -n "$suite" ] || { echo "Could not read the codename of stable from $mirror" >&2; exit 1; }
fi
command=${KOTEBU_CHROOT_COMMAND:-./test.sh}

top=$repo/build-chroot
base=$top/$suite-base
run=$top/$suite-run-$$
log=$top/$suite-$(date +%Y%m%d-%H%M%S).log
mkdir -p "$top"

# The mount points under $1, in the order they were mounted (/proc/mounts
# writes a space as \040).
mounts_under() {
    local target
    awk '{gsub(/\\040/, " ", $2); print $2}' /proc/mounts | while IFS= read -r target; do
        case $target in "$1" | "$1"/*) printf '%s\n' "$target" ;; esac
    done
}

# The processes whose root is the folder $1. The chroot shares this machine's
# process table: stopping anything by name could stop the machine's own.
pids_in() {
    local p
    for p in /proc/[0-9]*; do
        if [ "$(readlink "$p/root" 2>/dev/null)" = "$1" ]; then echo "${p#/proc/}"; fi
    done
}

# Stops what still runs in the folder $1 (a sound server or X server a test
# left behind), undoes its mounts, and only then removes it: rm never goes
# through a live /dev or /proc.
release() {
    local pids m
    mapfile -t pids < <(pids_in "$1")
    if [ ${#pids[@]} -gt 0 ]; then
        echo "Stopping what still runs in $1: ${pids[*]}"
        kill -TERM "${pids[@]}" 2>/dev/null || true
        for _ in {1..10}; do
            sleep 0.5
            mapfile -t pids < <(pids_in "$1")
            [ ${#pids[@]} -gt 0 ] || break
        done
        [ ${#pids[@]} -eq 0 ] || kill -KILL "${pids[@]}" 2>/dev/null || true
    fi
    mounts_under "$1" | tac | while IFS= read -r m; do umount -l "$m" || true; done
    if [ -n "$(mounts_under "$1")" ]; then
        echo "Still mounted under $1, so it stays" >&2
        return 1
    fi
    rm -rf --one-file-system "$1"
}

# The long steps run in the background and the script waits for them: bash
# runs a trap only between commands, so a TERM would otherwise wait for the
# whole test run.
job=
tee_pid=
run_job() {
    local status=0
    "$@" &
    job=$!
    wait "$job" || status=$?
    job=   # its PID may now be any other process's
    return "$status"
}

made=()   # the folders this run makes, released whatever happens
cleanup() {
    local status=$? folder
    # Neither a second Ctrl+C nor a failing echo (the terminal closed) may
    # end the cleaning halfway, with the mounts still there.
    set +e
    trap - EXIT
    trap '' INT TERM HUP
    [ -z "$job" ] || kill -TERM "$job" 2>/dev/null
    for folder in "${made[@]}"; do release "$folder" || status=1; done
    exec 3>&-   # tee's last writer, now that nothing runs in the chroot
    [ -z "$tee_pid" ] || wait "$tee_pid" 2>/dev/null
    echo "Took $((SECONDS / 60)) min $((SECONDS % 60)) s; exit status $status${tee_pid:+; log: $log}"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP   # the terminal closed

# A run killed with SIGKILL, or by a machine going down, leaves its folder
# (and maybe its mounts) behind; its number is the PID of its script.
for old in "$top/$suite"-run-*; do
    if [ -d "$old" ] && ! kill -0 "${old##*-}" 2>/dev/null; then release "$old"; fi
done

if [ ! -d "$base" ]; then
    echo "Making the $suite base system from $mirror, once (a few minutes)"
    made+=("$base.new")
    release "$base.new"
    run_job debootstrap --variant=minbase --include=ca-certificates,git "$suite" "$base.new" "$mirror"
    # The chroot's apt takes its updates from the same mirror too.
    rm -f "$base.new/etc/apt/sources.list"
    case $suite in
        sid | unstable) suites=$suite ;;
        *) suites="$suite $suite-updates" ;;
    esac
    cat >"$base.new/etc/apt/sources.list.d/debian.sources" <<EOF
Types: deb
URIs: $mirror
Suites: $suites
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    mv "$base.new" "$base"
    echo "Base system made in $SECONDS s"
fi

started=$SECONDS
made+=("$run")
cp -a "$base" "$run"
# --remove-destination: were the chroot's resolv.conf a link, cp would write
# through it to this machine's own file.
[ ! -e /etc/resolv.conf ] || cp -L --remove-destination /etc/resolv.conf "$run/etc/resolv.conf"
git clone -q --no-hardlinks --no-checkout "$repo" "$run/src/kotebu"
git -C "$run/src/kotebu" checkout -q --detach "$(git rev-parse HEAD)"
echo "Copied the base and cloned $(git -C "$run/src/kotebu" log -1 --format='%h %s') in $((SECONDS - started)) s"

mount -t proc proc "$run/proc"
mount -t sysfs -o ro sysfs "$run/sys"
mount --bind /dev "$run/dev"
# Where / and /dev are shared mounts (systemd's default), the devpts and the
# tmpfs below would otherwise land on this machine's own /dev/pts and /dev/shm.
mount --make-rslave "$run/dev"
mount -t devpts -o newinstance,ptmxmode=0666 devpts "$run/dev/pts"
mount -t tmpfs -o mode=1777,nosuid,nodev shm "$run/dev/shm"

# env -i: nothing of this desktop (DISPLAY, the session bus, XDG_RUNTIME_DIR)
# reaches the tests, which start their own.
echo "Running on Debian $suite, $(git -C "$run/src/kotebu" log -1 --format=%h): $command" | tee "$log"
# tee is the script's, not in a pipe with chroot: a server a test leaves
# running may hold the output open, and the wait must end with test.sh.
# (The redirections stay inside the function: had the trap run within a
# redirected call, the script's own output would keep tee waiting.)
exec 3> >(tee -a "$log")
tee_pid=$!
in_chroot() {
    chroot "$run" /usr/bin/env -i -C /src/kotebu HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        /bin/bash -c "$command" </dev/null >&3 2>&3
}
status=0
run_job in_chroot || status=$?
exit "$status"
