#!/usr/bin/env bash
# Builds everything and runs the program under Wine with the stand-in terminal kit registered,
# so that it works out of the box against a simulated terminal.
# With an X display it opens the window. Without one (or under CI, or with VCU_HEADLESS=1) it
# starts a private Xvfb, plays a short scripted session with our driver (connect by IP, the
# identity listed, Get of an option, Set of an option, Restart) and leaves a screenshot of
# each step in out/, with the calls the kit received in out/kit-calls.log; then the skinned
# title bar's states and, from a program of its own, the window after its skinning was
# switched off and on again; last the gallery window with its menu bar, skinned and plain.
# VCU_SKIP_SETUP=1 skips the dependencies and the build: the trees in BUILD_ROOT are used as
# they are.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
export BUILD_ROOT=${BUILD_ROOT:-$root/build}

if [ "${VCU_SKIP_SETUP:-0}" != 1 ]; then
  bash scripts/deps.sh
  bash scripts/build.sh
fi

# A sheet of every element of our skin, for the skin author's eye.
mkdir -p "$root/out"
"$BUILD_ROOT/release/tools/skinview/skinview" "$root/skins/default" -o "$root/out/skin-sheet.png"
echo "run: skin sheet in out/skin-sheet.png"

# The 64-bit build runs here; the shipped 32-bit program is built but runs only on Windows.
program=$BUILD_ROOT/win64/src/app/VantorixConfigUpdate.exe
kit=$BUILD_ROOT/win64/src/kit-sim/kitsim.dll
driver=$BUILD_ROOT/win64/tools/driver/driver.exe
skincycle=$BUILD_ROOT/win64/tools/skincycle/skincycle.exe
gallery=$BUILD_ROOT/win64/tools/gallery/gallery.exe
midnight=$BUILD_ROOT/win64/tools/gallery/midnight.skn
menushots=$BUILD_ROOT/win64/tools/menushots/menushots.exe
out=$root/out

headless=0
if [ -z "${DISPLAY:-}" ] || [ -n "${CI:-}" ] || [ "${VCU_HEADLESS:-0}" = 1 ]; then headless=1; fi
[ "$headless" = 1 ] || export VCU_USE_DISPLAY=1
# A prefix of its own: the tests rely on the kit's class not being registered in theirs.
export WINEPREFIX=${VCU_RUN_PREFIX:-$BUILD_ROOT/wineprefix-run}
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh

wine regsvr32 /s "$(winepath -w "$kit")"
echo "run: stand-in terminal kit registered ($kit)"
if [ ! -f "$program" ]; then
  echo "run: the program was not built: $program is missing" >&2
  exit 1
fi

if [ "$headless" = 0 ]; then
  wine "$program"
  exit 0
fi

mkdir -p "$out"
rm -f "$out"/[0-9][0-9]-*.png "$out/kit-calls.log"
VCU_KIT_CALL_LOG=$(winepath -w "$out/kit-calls.log")
export VCU_KIT_CALL_LOG
wine "$program" &
program_pid=$!

status=0
shot() { # number, name: the screen as it is
  import -window root "$out/$1-$2.png"
  echo "   screenshot $out/$1-$2.png"
}
step() { # number, name, driver arguments...: the step played, then its screenshot
  local number=$1 name=$2
  shift 2
  echo "== driver $*"
  wine "$driver" "$@" || status=1
  shot "$number" "$name"
}

step 01 started wait
step 02 connect connect-ip 192.168.1.201
step 03 get get Volume
step 04 set set Volume 80
step 05 restart restart
play() { # driver arguments...: a step with no screenshot of its own
  echo "== driver $*"
  wine "$driver" "$@" || status=1
}
# The skinned controls: connected again and the log grown past its pane, the log scrolled
# with its skinned bar, the button's states, an
# edit focused and typed into, the tab order walked.
play connect-ip 192.168.1.201
play fill-log
step 06 log-scrolled scroll-log
step 07 button-hot hover-button
step 08 button-pressed press-button
play release-button-away
step 09 button-disabled disable-button
play enable-button
step 10 edit-focused type-option Volume
play tab 2
# The skinned title bar.
step 11 active log
step 12 close-hot hover-close
step 13 close-pressed press-close
play release-away
step 14 message-dialog blank-ip
play dismiss
step 15 minimised minimize
play restore
step 16 system-menu system-menu
play escape
step 17 inactive deactivate

wine "$driver" close || status=1
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
kill "$program_pid" 2>/dev/null || true
echo "== calls the kit received ($out/kit-calls.log)"
cat "$out/kit-calls.log" 2>/dev/null || echo "(none)"

# Switching skinning off and on cannot be done from outside: skincycle does it in a window of
# its own and saves what the screen shows of it.
echo "== skincycle"
cycled=$out/18-skin-cycled
if wine "$skincycle" "$(winepath -w "$cycled.bmp")"; then
  convert "$cycled.bmp" "$cycled.png"
  rm -f "$cycled.bmp"
  echo "   screenshot $cycled.png"
else
  status=1
fi

# The same window switched live to our second skin: its skin data reads the skin file.
live=$out/29-main-midnight-live
if wine "$skincycle" "$(winepath -w "$live.bmp")" --skin "$(winepath -w "$midnight")"; then
  convert "$live.bmp" "$live.png"
  rm -f "$live.bmp"
  echo "   screenshot $live.png"
else
  status=1
fi

# The gallery writes its ready file once it shows itself as asked, and closes itself when the
# file is taken away: skinned, with its skinned menus driven open by real input, then with
# skinning switched off by its own View menu command (the native menu bar back).
gallery_ready=$out/gallery.ready
gallery_start() { # gallery arguments...: true once the gallery shows itself
  echo "== gallery $*"
  rm -f "$gallery_ready"
  wine "$gallery" "$@" --ready-file "$(winepath -w "$gallery_ready")" &
  gallery_pid=$!
  for _ in $(seq 300); do [ -f "$gallery_ready" ] && return 0; sleep 0.1; done
  echo "run: the gallery did not show itself" >&2
  status=1
  return 1
}
gallery_stop() {
  rm -f "$gallery_ready"
  for _ in $(seq 100); do kill -0 "$gallery_pid" 2>/dev/null || return 0; sleep 0.1; done
  echo "run: the gallery did not close" >&2
  kill "$gallery_pid" 2>/dev/null || true
  status=1
}
if gallery_start; then
  shot 20 gallery
  step 26 gallery-dropdown gallery-dropdown
  step 27 gallery-context gallery-context
  step 28 gallery-maximised gallery-maximise
  echo "== driver gallery-restore"
  wine "$driver" gallery-restore || status=1
  # Every window and control switched live to the other skin, and back.
  step 33 gallery-midnight-live gallery-skin midnight
  step 34 gallery-default-again gallery-skin default
  step 30 gallery-combo-dropped gallery-combo
  step 31 gallery-header-hot gallery-header-hot
  step 32 gallery-updown-pressed gallery-updown-hold
  echo "== driver gallery-release"
  wine "$driver" gallery-release || status=1
fi
gallery_stop
if gallery_start --unskinned; then shot 21 gallery-unskinned; fi
gallery_stop

# The skinned menus open, in a window of their own that saves what the screen shows.
echo "== menushots"
shots=$out/menushots
mkdir -p "$shots"
if wine "$menushots" "$(winepath -w "$shots")"; then
  n=22
  for name in dropdown context system maximised; do
    convert "$shots/menu-$name.bmp" "$out/$n-menu-$name.png"
    echo "   screenshot $out/$n-menu-$name.png"
    n=$((n + 1))
  done
else
  echo "run: menushots failed" >&2
  status=1
fi
rm -rf "$shots"
exit $status
