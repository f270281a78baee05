# Sourced by the scripts that run Windows programs under Wine.
# Provides: wine_env PREFIX, wine_prefix_ready, xvfb_start, xvfb_stop.

wine_env() {
  export WINEPREFIX="$1"
  export WINEARCH=win32
  export WINEDEBUG=-all
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 2>/dev/null
  # No Mono or Gecko install prompts; callers may add their own overrides.
  export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
  # Programs run here never reach outside services: unless a test points them at a
  # stand-in, they go to a closed port on loopback.
  export QUIZ_OCR_BASE_URL="${QUIZ_OCR_BASE_URL:-http://127.0.0.1:9}"
  export QUIZ_BULLETIN_URL="${QUIZ_BULLETIN_URL:-http://127.0.0.1:9/bulletin}"
}

# Makes the prefix once and sets the virtual desktop that every process joins.
# Needs DISPLAY; the caller holds the prefix lock.
wine_prefix_ready() {
  local marker="$WINEPREFIX/.quiz-assistant-ready"
  [ -f "$marker" ] && return 0
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x800 /f >/dev/null 2>&1
  wineserver -k 2>/dev/null || true
  wineserver -w
  touch "$marker"
}

# Starts a private Xvfb on a free display; sets DISPLAY and XVFB_PID.
xvfb_start() {
  local out
  out=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$out" >/dev/null 2>&1 &
  XVFB_PID=$!
  local i
  for i in $(seq 1 200); do
    [ -s "$out" ] && break
    sleep 0.05
  done
  if [ ! -s "$out" ]; then
    echo "Xvfb did not start" >&2
    rm -f "$out"
    return 1
  fi
  export DISPLAY=":$(head -n 1 "$out" | tr -d '\n')"
  rm -f "$out"
  for i in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  echo "Xvfb on $DISPLAY does not answer" >&2
  return 1
}

xvfb_stop() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
}
