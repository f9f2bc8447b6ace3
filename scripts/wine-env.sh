# Sourced by the test and run commands: a private X display and a private Wine prefix for
# this run, torn down when the calling script exits. Reuses DISPLAY when VCU_USE_DISPLAY=1.
# shellcheck shell=bash
build=${BUILD_ROOT:-$(pwd)/build}
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

vcu_xvfb_pid=""
vcu_wine_cleanup() {
  wineserver -k >/dev/null 2>&1 && wineserver -w >/dev/null 2>&1 || true
  [ -n "$vcu_xvfb_pid" ] && kill "$vcu_xvfb_pid" >/dev/null 2>&1 || true
}
trap vcu_wine_cleanup EXIT

if [ "${VCU_USE_DISPLAY:-0}" != 1 ]; then
  # First free display number from 90 up: parallel runs each get their own.
  n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  vcu_xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  # Debian's Wine does not find its own fonts (Marlett draws the caption-button glyphs, Tahoma
  # is the dialog font): put them where every Windows program looks.
  cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  # A program that crashes must end, not wait behind Wine's crash dialog for a click.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 || true
  if [ "${VCU_USE_DISPLAY:-0}" != 1 ]; then
    # No window manager runs on the private display: Wine draws the frames itself (so that
    # screenshots show them) and does not wait for a manager each time a window is hidden.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || true
  fi
fi
# One server for the whole run: every Wine process start is then much cheaper.
wineserver -p >/dev/null 2>&1 || true
# Start the prefix's services here, their output going nowhere: started by the first test
# instead, they would inherit CTest's output pipe and hold it open, and CTest would wait for
# them forever.
wineboot >/dev/null 2>&1 || true
