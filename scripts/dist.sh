#!/usr/bin/env bash
# Lays out what a technician's PC gets: the 32-bit program with its symbols stripped (they go
# to a .debug file beside it, linked by name, for a debugger), the 32-bit stand-in kit, and the
# install notes.
#   bash scripts/dist.sh WIN32-BUILD-TREE DIST-DIR
set -euo pipefail
cd "$(dirname "$0")/.."
tree=$1
dist=$2
objcopy=i686-w64-mingw32-objcopy
program=VantorixConfigUpdate.exe

mkdir -p "$dist"
rm -f "$dist/$program" "$dist/$program.debug" "$dist/kitsim.dll"
$objcopy --only-keep-debug "$tree/src/app/$program" "$dist/$program.debug"
$objcopy --strip-all --add-gnu-debuglink="$dist/$program.debug" "$tree/src/app/$program" "$dist/$program"
$objcopy --strip-all "$tree/src/kit-sim/kitsim.dll" "$dist/kitsim.dll"
cp docs/INSTALL.txt "$dist/INSTALL.txt"
echo "dist: $(du -k "$dist/$program" | cut -f1) KB program, symbols in $program.debug ($dist)"
