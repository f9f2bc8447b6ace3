#!/usr/bin/env bash
# Installs, with apt-get, whatever the build, the tests and the run command need and the
# machine lacks. Safe to run again: it only installs missing packages.
set -euo pipefail

packages=(
  cmake make g++ file
  googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools
  wine wine64 xvfb x11-utils xauth imagemagick procps
  # Wine only recommends its fonts; without them text is rasterised from a fallback font.
  fonts-wine fonts-liberation fonts-dejavu-core
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "deps: installing ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
