#!/usr/bin/env bash
# Installs everything the build, the tests and the screenshots need on Debian 12; with
# --windows, also what the Windows build and its tests under Wine need.
# Quick when all is present: apt runs only for packages that are missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev make python3
  qt6-base-dev qt6-base-dev-tools libgl-dev libfontconfig-dev
  qt6-charts-dev libqt6opengl6-dev  # Qt Charts; its CMake package needs the OpenGL one
  libzxing-dev  # QR codes of the deck code, written and read
  libgtest-dev libgmock-dev libbenchmark-dev poppler-utils  # pdftotext for the sheet tests
  fonts-ipafont-gothic xvfb xauth imagemagick
  dpkg-dev file desktop-file-utils shared-mime-info lintian
)
# The Windows build (make windows, make test-windows): MinGW-w64 and Wine to run it.
if [ "${1:-}" = "--windows" ]; then
  packages+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine wine64 patch xdotool
    x11-utils)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
