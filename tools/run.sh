#!/usr/bin/env bash
# Installs what is missing, builds QuizAssistant.exe and starts it under Wine with the
# sample bank dropped on it. On $DISPLAY when there is one (the tool runs until you close
# it); otherwise on a private Xvfb display, where a screenshot is saved and the tool closed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/setup.sh"
"$root/tools/build.sh" win32 >/dev/null

source "$root/tools/wine-env.sh"
bin="$root/build/win32/bin"
wine_env "$root/build/win32/wineprefix"
exec 9>"$WINEPREFIX.lock"
flock 9

own_display=
if [ -z "${DISPLAY:-}" ]; then
  xvfb_start
  own_display=yes
fi
tool_pid=
stand_in_pids=()
finish() {
  [ -n "$tool_pid" ] && kill "$tool_pid" 2>/dev/null
  [ ${#stand_in_pids[@]} -gt 0 ] && kill "${stand_in_pids[@]}" 2>/dev/null
  wineserver -k 2>/dev/null || true
  xvfb_stop
}
trap finish EXIT

# The stand-ins on loopback: the recognition service (Tesseract) and the bulletin.
start_stand_in() {  # VARIABLE SCRIPT ARGS...: starts it and sets VARIABLE to its port
  local port_file
  port_file=$(mktemp)
  python3 "$root/tools/$2" --port-file "$port_file" --lifetime 86400 "${@:3}" >/dev/null &
  stand_in_pids+=($!)
  for _ in $(seq 1 100); do [ -s "$port_file" ] && break; sleep 0.05; done
  printf -v "$1" '%s' "$(cat "$port_file")"
  rm -f "$port_file"
}
start_stand_in ocr_port stand_in_ocr.py
start_stand_in bulletin_port stand_in_http.py --file "$root/examples/bulletin.txt"
export QUIZ_OCR_BASE_URL="http://127.0.0.1:$ocr_port"
export QUIZ_BULLETIN_URL="http://127.0.0.1:$bulletin_port/bulletin"

wine_prefix_ready
wineserver -p 2>/dev/null
wine "$bin/QuizAssistant.exe" &
tool_pid=$!

driver() { wine "$bin/QuizDriver.exe" "$@" | tr -d '\r'; }
driver wait-window "澄川网上答题辅助工具软件" 20000 >/dev/null
driver drop "$root/examples/bank.txt" >/dev/null || echo "the sample bank could not be dropped" >&2
driver type-text 2 229 358 51 "首都" >/dev/null || true
echo "QuizAssistant.exe is running on $DISPLAY with examples/bank.txt."

if [ -n "$own_display" ]; then
  sleep 1
  shot="$root/build/shot.png"
  import -window root "$shot"
  echo "Screenshot saved to $shot"
else
  wait "$tool_pid" || true
  tool_pid=
fi
