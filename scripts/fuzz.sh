#!/usr/bin/env bash
# Builds every fuzz target with clang and libFuzzer (plus AddressSanitizer and
# UndefinedBehaviorSanitizer) in its own tree and runs each for SECONDS seconds (default 60).
# Each target starts from a copy of its committed seed corpus; whatever libFuzzer adds stays
# in the build tree, and a crashing input is written there as crash-*. A target folder's
# fuzz.dict (the skin INI vocabulary and extreme numbers, for the INI-reading targets) is
# handed to libFuzzer as its dictionary.
#   bash scripts/fuzz.sh [SECONDS] [TARGET-NAME...]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${FUZZ_BUILD:-${BUILD_ROOT:-$root/build}/fuzz}
seconds=${1:-60}
shift || true
jobs=${JOBS:-2}

need=()
command -v clang++ >/dev/null || need+=(clang)
ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 ||
  need+=(libclang-rt-14-dev)
if [ ${#need[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
bash scripts/deps.sh

# Configured on every run, so that fuzz targets added since are picked up.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link \
  -DVCU_SANITIZE=ON -DVCU_LIBFUZZER=ON >/dev/null
cmake --build "$build" --target fuzzers -j"$jobs"

status=0
for bin in "$build"/tests/fuzz/*/fuzz_*; do
  [ -x "$bin" ] || continue
  name=$(basename "$bin"); name=${name#fuzz_}
  if [ $# -gt 0 ] && [[ " $* " != *" $name "* ]]; then continue; fi
  target_dir="$root/tests/fuzz/$(basename "$(dirname "$bin")")"
  seeds="$target_dir/corpus"
  work="$build/corpus/$name"
  mkdir -p "$work" "$build/artifacts/$name"
  dict=()
  [ -f "$target_dir/fuzz.dict" ] && dict=(-dict="$target_dir/fuzz.dict")
  echo "== fuzz $name for ${seconds}s${dict:+ with $target_dir/fuzz.dict}"
  if ! "$bin" -max_total_time="$seconds" -print_final_stats=1 -rss_limit_mb=2048 "${dict[@]}" \
      -artifact_prefix="$build/artifacts/$name/" "$work" "$seeds" 2>&1 | tail -n 25; then
    status=1
  fi
done
exit $status
