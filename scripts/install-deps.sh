#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, running and testing need on Debian 12 (as root, or through sudo).
set -euo pipefail

packages=(
    build-essential cmake ninja-build ccache pkg-config
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-image-formats-plugins
    qt6-documentation-tools libqt6help6 libqt6svg6 qt6-qpa-plugins qt6-translations-l10n libgl-dev
    fonts-ipafont-gothic libbenchmark-dev
    xvfb xauth openbox xdotool x11-utils imagemagick
    desktop-file-utils appstream libxml2-utils dpkg-dev file python3 libxcb1-dev
    libxcb-screensaver0-dev dbus-daemon
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
