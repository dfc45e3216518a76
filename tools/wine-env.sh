# Shell functions that prepare Wine for a test run; sourced, not run.
#   wine_env_start DIR   a private prefix in DIR, Xvfb when no DISPLAY is set,
#                        a wineserver kept alive until wine_env_stop.
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64

wine_env_start() {
  local dir=$1
  export WINEPREFIX=$dir/prefix
  mkdir -p "$WINEPREFIX"
  export WINEDEBUG=${WINEDEBUG:--all}
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export WINE WINESERVER
  _wine_started_xvfb=""
  if [ -z "${DISPLAY:-}" ]; then
    local n=$(( 90 + RANDOM % 400 ))
    while [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    _wine_started_xvfb=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
  fi
  # A persistent server keeps its state between the test programs of the run.
  "$WINESERVER" -p >/dev/null 2>&1 || true
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$WINE" wineboot -i >/dev/null 2>&1 || echo "wine-env: wineboot failed" >&2
    # With no window manager on the display, Wine must draw window frames and
    # captions itself; left to a manager, they would stay black.
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || true
  fi
}

wine_env_stop() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  [ -n "${_wine_started_xvfb:-}" ] && kill "$_wine_started_xvfb" 2>/dev/null
  return 0
}
