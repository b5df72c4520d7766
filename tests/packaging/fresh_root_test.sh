#!/usr/bin/env bash
# Proves the Debian package on a fresh system: builds it, installs it with
# `apt-get install ./brivonce_*.deb` into a minimal Debian 12 root made by
# debootstrap, and there checks that `brivonce --version` answers, that the
# program runs and draws its toolbar as the build tree's program does, and
# that removing the package leaves no file behind.
# Usage: fresh_root_test.sh BUILD_DIR VERSION
# Needs root (chroot, mounts) and Debian's archive; skipped (77) with a line
# saying why otherwise. The debootstrap root and the packages apt-get fetched
# are kept for the next run in $BRIVONCE_TEST_ROOT_CACHE (default
# /var/cache/brivonce-test-root); every run works on a fresh copy of the root.
set -u
build=$1 version=$2
[ "$(id -u)" -eq 0 ] || { echo "skipped: a Debian root is made and entered as root only"; exit 77; }
# In a mount namespace of its own, the root's /proc and /dev mounts end with
# the test however it ends, and the host never sees them.
if [ -z "${BRIVONCE_OWN_MOUNTS:-}" ] && command -v unshare >/dev/null; then
    BRIVONCE_OWN_MOUNTS=1 exec unshare --mount --propagation private bash "$0" "$@"
fi
source "$(dirname "$0")/../desktop_session.sh"
session_require cpack dpkg-deb debootstrap chroot wget flock Xvfb openbox xdotool import compare
mirror=http://deb.debian.org/debian
wget -q --spider "$mirror/dists/bookworm/Release" ||
    { echo "skipped: Debian's archive ($mirror) is unreachable"; exit 77; }

cache=${BRIVONCE_TEST_ROOT_CACHE:-/var/cache/brivonce-test-root}
work=$(mktemp -d)
root=$work/root
log=$work/log

# Inside `root`, nothing of the host's may be removed: every mount is undone
# first, and the removal stays on the scratch folder's own file system.
cleanup() {
    local pid mount
    for pid in /proc/[0-9]*; do
        [ "$(readlink "$pid/root" 2>/dev/null)" = "$root" ] && kill -9 "${pid#/proc/}" 2>/dev/null
    done
    for mount in dev proc; do
        mountpoint -q "$root/$mount" && { umount "$root/$mount" || umount -l "$root/$mount"; }
    done
    if grep -q " $root/" /proc/mounts; then
        echo "left in place, still mounted: $work" >&2
    else
        rm -rf --one-file-system "$work"
    fi
    session_cleanup
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }
apt_in_root() { in_root apt-get -qq -o Dpkg::Use-Pty=0 "$@" >>"$log" 2>&1; }
fail_with_log() { tail -n 30 "$log" >&2; fail "$@"; }

# The base root, made once under a lock that runs side by side share.
mkdir -p "$cache/archives"
exec 8>"$cache/lock"
flock 8
if [ ! -e "$cache/bookworm/.complete" ]; then
    rm -rf --one-file-system "$cache/bookworm.new"
    debootstrap --variant=minbase bookworm "$cache/bookworm.new" "$mirror" >>"$log" 2>&1 ||
        fail_with_log "debootstrap failed"
    cp /etc/resolv.conf "$cache/bookworm.new/etc/"
    root=$cache/bookworm.new apt_in_root update || fail_with_log "apt-get update failed"
    touch "$cache/bookworm.new/.complete"
    mv "$cache/bookworm.new" "$cache/bookworm"
fi
cp -a "$cache/bookworm" "$root"
cp -l "$cache"/archives/*.deb "$root/var/cache/apt/archives/" 2>/dev/null ||
    cp "$cache"/archives/*.deb "$root/var/cache/apt/archives/" 2>/dev/null
flock -u 8
cp /etc/resolv.conf "$root/etc/"
# The root is thrown away: no need to wait for every write to reach the disk.
echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/unsafe-io"
mount -t proc proc "$root/proc" && mount --bind /dev "$root/dev" || fail "cannot mount /proc and /dev"

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >>"$log" 2>&1 || fail_with_log "cpack failed"
deb=$(basename "$work"/out/brivonce_*.deb)
cp "$work/out/$deb" "$root/tmp/"

# What the package needs comes first, so that everything left after its
# removal can be told apart from it.
apt_in_root update || fail_with_log "apt-get update failed"
needs=$(dpkg-deb -f "$work/out/$deb" Depends Recommends | sed 's/^[A-Za-z]*: //' | paste -sd,)
apt_in_root satisfy -y "$needs" || fail_with_log "the package's dependencies cannot be installed"
# Every file but those of the system's running state and apt's own.
files() {
    (cd "$root" && find . -xdev \( -path ./tmp -o -path ./var/cache/apt -o -path ./var/lib/apt \
        -o -path ./var/log -o -path ./run \) -prune -o -print | sort)
}
files >"$work/before"
in_root sh -c "cd /tmp && apt-get -qq install -y ./$deb" >>"$log" 2>&1 ||
    fail_with_log "apt-get install ./$deb failed"
flock 8 && cp -n "$root"/var/cache/apt/archives/*.deb "$cache/archives/" 2>/dev/null
flock -u 8

answer=$(in_root HOME=/tmp /usr/bin/brivonce --version) || fail "brivonce --version failed in the root"
[ "$answer" = "brivonce $version" ] || fail "brivonce --version answered: $answer"

# The memo window's toolbar (pictures only, no text), as a program shows it
# with a new data folder on a display with no tray.
toolbar() {
    local name=$1 window
    shift
    "$@" &
    local program=$!
    wait_for 20 xdotool search --onlyvisible --class brivonce || fail "$name showed no window"
    sleep 1
    window=$(xdotool search --onlyvisible --class brivonce | head -1)
    import -window "$window" -crop x22+0+0 +repage "$work/$name.png"
    kill "$program" || fail "$name ended by itself"
    wait "$program"
}
session_start_x11
toolbar build "$build/brivonce" --data-dir "$work/data"
mkdir -m 700 "$root/tmp/runtime"
toolbar installed chroot "$root" env -i HOME=/tmp XDG_RUNTIME_DIR=/tmp/runtime DISPLAY="$DISPLAY" \
    /usr/bin/brivonce --data-dir /tmp/data
colours=$(identify -format %k "$work/build.png")
[ "$colours" -gt 20 ] || fail "the build tree's toolbar is blank ($colours colours)"
differing=$(compare -metric AE -fuzz 5% "$work/build.png" "$work/installed.png" null: 2>&1)
[ "$differing" = 0 ] ||
    fail "the installed program's toolbar differs from the build tree's in $differing pixels"

apt_in_root purge -y brivonce || fail_with_log "apt-get purge brivonce failed"
files >"$work/after"
left=$(comm -13 "$work/before" "$work/after")
[ -z "$left" ] || fail "removing the package left behind: $left"
echo "package ok in a fresh Debian 12 root: $deb"
