#!/usr/bin/env bash
# Builds everything and runs every test: the native tests (under the sanitizers), the fuzz
# corpus replays, and the Windows tests under Wine on a private X display.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
export BUILD_ROOT=${BUILD_ROOT:-$root/build}

bash scripts/deps.sh || exit 1
bash scripts/build.sh || exit 1

summary() { # ctest log -> "passed failed"
  sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\1 \2/p' "$1" | tail -n 1
}

status=0
echo "== native tests"
ctest --test-dir "$BUILD_ROOT/native" --output-on-failure -j2 2>&1 | tee "$BUILD_ROOT/native-ctest.log"
[ "${PIPESTATUS[0]}" -eq 0 ] || status=1

echo "== Windows tests under Wine"
(
  # shellcheck source=scripts/wine-env.sh
  source scripts/wine-env.sh
  ctest --test-dir "$BUILD_ROOT/win64" --output-on-failure 2>&1 | tee "$BUILD_ROOT/win64-ctest.log"
  exit "${PIPESTATUS[0]}"
) || status=1

failed=0; total=0
for log in "$BUILD_ROOT/native-ctest.log" "$BUILD_ROOT/win64-ctest.log"; do
  read -r f t <<<"$(summary "$log")"
  failed=$((failed + ${f:-0})); total=$((total + ${t:-0}))
done
[ "$total" -gt 0 ] || { echo "no test ran"; status=1; }
echo "all tests: $((total - failed)) passed, $failed failed"
exit $status
