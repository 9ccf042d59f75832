# Sourced by the build and run scripts: starts the services that Windows
# programs under Wine need for one build folder and stops them on exit.
#   session_start STATE_DIR   prepares the Wine prefix, starts the Wine
#                             server detached, and an Xvfb display when
#                             no display is given.

session_cleanup() {
  if [ -n "${SESSION_STATE:-}" ]; then
    WINEPREFIX="$SESSION_STATE/prefix" wineserver -k >/dev/null 2>&1 || true
  fi
  if [ -n "${SESSION_XVFB_PID:-}" ]; then
    kill "$SESSION_XVFB_PID" >/dev/null 2>&1 || true
  fi
}

session_start_xvfb() {
  local fdfile="$SESSION_STATE/xvfb.display"
  rm -f "$fdfile"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -ac 3>"$fdfile" \
    </dev/null >/dev/null 2>&1 &
  SESSION_XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$fdfile" ] && break
    sleep 0.1
  done
  [ -s "$fdfile" ] || { echo "session: Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(head -n1 "$fdfile")"
}

session_start() {
  SESSION_STATE=$1
  local with_display=${2:-xvfb}
  mkdir -p "$SESSION_STATE/home"
  trap session_cleanup EXIT
  if [ "$with_display" = xvfb ] || [ -z "${DISPLAY:-}" ]; then
    session_start_xvfb
  fi
  export WINEPREFIX="$SESSION_STATE/prefix" HOME_FOR_WINE="$SESSION_STATE/home"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "session: creating the Wine prefix (once per build folder)"
    HOME="$HOME_FOR_WINE" WINEDEBUG=-all LANG=ja_JP.UTF-8 wineboot -i </dev/null >/dev/null 2>&1
  fi
  # A server left by wineboot or an earlier run would go away on its own
  # later; wait for it so that the persistent one below is the only one.
  timeout 30 wineserver -w </dev/null >/dev/null 2>&1 || wineserver -k >/dev/null 2>&1 || true
  # Start the Wine server and services once, detached from every pipe:
  # otherwise the first test's services inherit CTest's output and it
  # waits for them for ever.
  HOME="$HOME_FOR_WINE" WINEDEBUG=-all wineserver -p </dev/null >/dev/null 2>&1
  HOME="$HOME_FOR_WINE" WINEDEBUG=-all LANG=ja_JP.UTF-8 wine cmd /c exit </dev/null >/dev/null 2>&1
  unset WINEPREFIX
}
