#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian 12 packages Trellum needs to build, test and package.
# Does nothing when they are all present. Needs root (or sudo) to install.
set -euo pipefail

# build: what scripts/run.sh and scripts/package.sh need (debian/control's
# Build-Depends, with its test tools, dpkg-buildpackage's build-essential, and
# gpg, with which scripts/orig-tarball.sh verifies a release tag).
build_packages=(cmake ninja-build g++ qt6-base-dev qt6-tools-dev libgl-dev libfontconfig-dev libxcb1-dev gettext appstream
                libgtest-dev libgmock-dev libbenchmark-dev build-essential debhelper desktop-file-utils gpg)
test_packages=(xvfb openbox trayer xdotool x11-utils x11-xserver-utils x11-xkb-utils numlockx xclip imagemagick
               libxtst-dev clang libclang-rt-14-dev lintian dpkg-dev file
               weston qt6-wayland python3-xlib locales
               qt6-translations-l10n fonts-dejavu-core fonts-noto-cjk)

case "${1:-all}" in
    build) wanted=("${build_packages[@]}") ;;
    all) wanted=("${build_packages[@]}" "${test_packages[@]}") ;;
    *) echo "usage: $0 [build|all]" >&2; exit 2 ;;
esac

missing=()
for pkg in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
