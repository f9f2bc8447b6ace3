#!/usr/bin/env bash
# Proves the test command on a machine as bare as a new one: removes every package that
# scripts/deps.sh installs and a new machine of our kind does not have (Wine and its fonts, the
# X server, ImageMagick, the Windows cross-compilers, GoogleTest's library), with what they
# pulled in, then runs CI exactly as CI does: `CI=true bash .ci/run` in a clean clone of the
# committed HEAD, with no standard input. The test command must install them all again.
#   bash scripts/fresh-check.sh            remove all of them (slow: they are downloaded again)
#   bash scripts/fresh-check.sh --optional remove only what Wine merely recommends (its fonts)
# Run as root. Prints the run's last lines and exits with its status; the whole log stays in
# the printed folder.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
[ "$(id -u)" -eq 0 ] || { echo "fresh-check: run as root: it removes and reinstalls packages" >&2; exit 2; }

recommended=(fonts-wine fonts-liberation)
toolchain=(wine wine64 libwine wine64-preloader xvfb imagemagick imagemagick-6.q16
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools mingw-w64-common
  libgtest-dev googletest)
remove=("${recommended[@]}")
[ "${1:-}" = --optional ] || remove+=("${toolchain[@]}")

installed=()
for p in "${remove[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' && installed+=("$p")
done
export DEBIAN_FRONTEND=noninteractive
if [ ${#installed[@]} -gt 0 ]; then
  echo "fresh-check: removing ${installed[*]}"
  apt-get purge -y -qq "${installed[@]}" >/dev/null
  apt-get autoremove --purge -y -qq >/dev/null
fi
for p in "${recommended[@]}"; do
  if dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    echo "fresh-check: $p is still installed" >&2; exit 2
  fi
done
if ls /usr/share/wine/fonts/*.ttf >/dev/null 2>&1; then
  echo "fresh-check: Wine's fonts are still in /usr/share/wine/fonts" >&2; exit 2
fi

work=$(mktemp -d /tmp/fresh-check.XXXXXX)
git clone -q "$root" "$work/clone"
echo "fresh-check: CI=true bash .ci/run in a clean clone of $(git -C "$work/clone" rev-parse --short HEAD) ($work/clone)"
start=$(date +%s)
status=0
(cd "$work/clone" && env -u DISPLAY CI=true bash .ci/run </dev/null >"$work/ci.log" 2>&1) || status=$?
echo "fresh-check: .ci/run exited $status after $(( $(date +%s) - start )) s; last lines of $work/ci.log:"
tail -n 15 "$work/ci.log"
exit $status
