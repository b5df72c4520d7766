#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages Brivonce needs; quiet and quick
# when they are all there.
#   install-deps.sh run    what building and running the program need
#   install-deps.sh test   that, plus the test suite's libraries and tools
# Waits for the package manager's lock when another install holds it (a fresh
# machine often runs its automatic updates at first boot).
set -euo pipefail

run_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-translations-l10n libxcb1-dev libxcb-xinput-dev
    libical-dev libcups2-dev
    fonts-liberation
    xvfb xauth x11-utils trayer imagemagick
)
test_packages=(
    libgtest-dev libgmock-dev libbenchmark-dev
    openbox xdotool
    pulseaudio pulseaudio-utils
    desktop-file-utils appstream man-db lintian dpkg-dev file python3-icalendar
    cups printer-driver-cups-pdf poppler-utils
    dbus-daemon dbus-x11 libglib2.0-bin xfce4-panel sway waybar xwayland qt6-wayland
    debootstrap calcurse khal python3-dateutil faketime
)

packages=("${run_packages[@]}")
[ "${1:-test}" = test ] && packages+=("${test_packages[@]}")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
wait_lock=(-o DPkg::Lock::Timeout=900)
$sudo apt-get "${wait_lock[@]}" update -qq
$sudo apt-get "${wait_lock[@]}" install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
