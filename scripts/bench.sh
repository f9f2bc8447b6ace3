#!/usr/bin/env bash
# Builds the benchmarks in their own Release tree (no sanitizers) and runs every benchmark
# program: each folder under tests/bench/ builds executables named bench_*. Arguments are
# passed to every program (e.g. --benchmark_filter=Decode).
#   bash scripts/bench.sh [GOOGLE-BENCHMARK-ARGS...]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${BENCH_BUILD:-$root/build/bench}
jobs=${JOBS:-2}

bash scripts/deps.sh
# Configured on every run, so that benchmark folders added since are picked up.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVCU_BENCH=ON -DVCU_TESTS=OFF >/dev/null
cmake --build "$build" -j"$jobs"

status=0
found=0
for bin in "$build"/tests/bench/*/bench_*; do
  [ -f "$bin" ] && [ -x "$bin" ] || continue
  found=1
  echo "== $(basename "$bin")"
  "$bin" "$@" || status=1
done
[ $found -eq 1 ] || { echo "no benchmark program found"; exit 1; }
exit $status
