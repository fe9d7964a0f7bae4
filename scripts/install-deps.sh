#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and benchmarks with,
# but only when one of them is missing, so a ready machine pays nothing.
# Usage: install-deps.sh [--screenshots | --bench]   (--screenshots adds a window
# manager, xdotool and two file managers, Thunar and Nemo; --bench adds age, which
# the sealed benchmark runs beside us, and perf, which profiles the data paths)
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  zlib1g-dev libsodium-dev libssl-dev libarchive-dev libicu-dev libgtest-dev googletest libzxcvbn-dev diceware
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  clang clang-format libclang-rt-14-dev
  xvfb xauth imagemagick fonts-dejavu-core dbus-daemon
  shared-mime-info desktop-file-utils xdg-utils libfile-mimeinfo-perl
  dpkg-dev appstream man-db libxml2-utils gcovr lintian python3
  g++-aarch64-linux-gnu qemu-user
)
# Focus and stacking only show under a real window manager.
if [ "${1:-}" = --screenshots ]; then packages+=(openbox xdotool thunar nemo); fi
if [ "${1:-}" = --bench ]; then packages+=(age linux-perf); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
