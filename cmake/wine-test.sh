#!/usr/bin/env bash
# Runs a Windows test program under Wine for CTest. A program that crashes is reported by
# Wine's debugger, which may end it with exit code 0: such a run fails here all the same.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
wine "$@" 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
if grep -q '^Unhandled exception: ' "$log"; then
  echo "wine-test: $1 crashed"
  [ "$status" -ne 0 ] || status=1
fi
exit "$status"
