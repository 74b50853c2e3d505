#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the Debian packages the build needs
# (only those missing) and builds into build/. Safe to run again and again.
set -euo pipefail

PACKAGES=(cmake ninja-build g++ ccache pkg-config
          qt6-base-dev libqt6sql6-sqlite qt6-charts-dev libgl-dev
          libgtest-dev libbenchmark-dev fonts-nanum qt6-translations-l10n)

missing=()
for package in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$BUILD" -- -j"$(nproc)"
