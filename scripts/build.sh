#!/usr/bin/env bash
# Builds the four trees:
#   release  the tools a person runs (skinpack, skinview), optimised, no sanitizers;
#   native   the portable core with its tests under the sanitizers, and the fuzz replays;
#   win64    the whole program for 64-bit Windows, with its tests (they run under Wine);
#   win32    the shipped 32-bit program, Release, its symbols kept in a file of their own,
#            copied to dist/ with the 32-bit stand-in kit and the install notes.
# BUILD_ROOT chooses where the trees go (default: build/); DIST_DIR where the shipped files go
# (default: dist/).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${BUILD_ROOT:-$root/build}
dist=${DIST_DIR:-$root/dist}
jobs=${JOBS:-2}

configure() { # dir, build type, extra cmake arguments...
  local dir=$1 type=$2; shift 2
  cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null
}

configure "$build/release" Release -DVCU_TESTS=OFF
cmake --build "$build/release" -j"$jobs" --target skinpack skinview
skinpack="$build/release/tools/skinpack/skinpack"

configure "$build/native" RelWithDebInfo -DVCU_SANITIZE=ON
cmake --build "$build/native" -j"$jobs"

configure "$build/win64" RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" -DVCU_SKINPACK="$skinpack"
cmake --build "$build/win64" -j"$jobs"

configure "$build/win32" Release -DCMAKE_CXX_FLAGS=-g -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DVCU_TESTS=OFF -DVCU_SKINPACK="$skinpack"
cmake --build "$build/win32" -j"$jobs"

bash scripts/dist.sh "$build/win32" "$dist"
