#!/usr/bin/env bash
# Builds the Debian package of the build tree with CPack, has lintian judge it,
# unpacks it into a scratch root and runs the unpacked program. Skipped (77)
# where a tool is missing.
set -u
build=$1 app_id=$2 version=$3
for tool in cpack dpkg-deb dpkg-shlibdeps file lintian; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "$*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack failed"; }
deb=$(echo "$scratch"/out/brivonce_*.deb)
# Built where no maintainer address is given (DEBEMAIL), the package names its
# builder's login on the machine, which lintian rightly refuses in a published
# package; everything else it judges.
lintian --fail-on error --tag-display-limit 0 \
    --suppress-tags bogus-mail-host,bogus-mail-host-in-debian-changelog,root-in-contact "$deb" ||
    fail "lintian found errors"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "no Qt in Depends: shlibdeps did not run"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
for file in bin/brivonce share/brivonce/default.wav share/brivonce/help/brivonce.html \
    share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
    share/icons/hicolor/scalable/apps/brivonce.svg share/icons/hicolor/48x48/apps/brivonce.png \
    share/man/man1/brivonce.1.gz share/man/fr/man1/brivonce.1.gz; do
    [ -f "$root/usr/$file" ] || fail "the package lacks /usr/$file"
done
# No display, a home of its own: --version must need neither.
answer=$(env -i HOME="$scratch/home" QT_QPA_PLATFORM=xcb "$root/usr/bin/brivonce" --version) ||
    fail "the unpacked brivonce --version failed"
[ "$answer" = "brivonce $version" ] || fail "unexpected version: $answer"
echo "package ok: $(basename "$deb")"
