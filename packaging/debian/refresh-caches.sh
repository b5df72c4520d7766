#!/bin/sh
# The package's postinst and postrm: lets menus and icon themes see the entry
# and icons come and go at once, also where no dpkg trigger does it.
set -e
case "$1" in
configure | remove | purge)
    if command -v update-desktop-database >/dev/null 2>&1; then
        update-desktop-database -q /usr/share/applications || true
    fi
    if command -v gtk-update-icon-cache >/dev/null 2>&1; then
        gtk-update-icon-cache -q -t -f /usr/share/icons/hicolor || true
    fi
    ;;
esac
