#!/usr/bin/env bash
# Builds the three trees: native (portable core, its tests under the sanitizers, the tools),
# the 64-bit Windows build (its tests run under Wine) and the 32-bit Windows program.
# BUILD_ROOT chooses where the trees go (default: build/).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${BUILD_ROOT:-$root/build}
jobs=${JOBS:-2}

configure() { # dir, extra cmake arguments...
  local dir=$1; shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  fi
}

configure "$build/native" -DVCU_SANITIZE=ON
cmake --build "$build/native" -j"$jobs"

skinpack="$build/native/tools/skinpack/skinpack"
configure "$build/win64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" -DVCU_SKINPACK="$skinpack"
cmake --build "$build/win64" -j"$jobs"

configure "$build/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DVCU_TESTS=OFF -DVCU_SKINPACK="$skinpack"
cmake --build "$build/win32" -j"$jobs"
