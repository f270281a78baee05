#!/usr/bin/env bash
# The screenshot search from end to end: the overlay over a frozen screen, an xdotool
# drag around a question shown by a window of our own, recognition by the stand-in
# service's Tesseract mode, and the listing of that question in the results box.
# Runs inside tools/wine-test.sh (own Xvfb and Wine prefix); $1 is the folder of the
# programs.
set -u -o pipefail
bin=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$work"' EXIT

driver() { wine "$bin/QuizDriver.exe" "$@" | tr -d '\r'; }
fail() { echo "FAILED: $*"; exit 1; }
utf8() { iconv -f GBK -t UTF-8 2>/dev/null; }
passed=0

python3 "$here/../../tools/stand_in_ocr.py" --port-file "$work/port" --lifetime 300 &
pids+=($!)
for _ in $(seq 1 100); do [ -s "$work/port" ] && break; sleep 0.05; done
export QUIZ_OCR_BASE_URL="http://127.0.0.1:$(cat "$work/port")"

# 中华人民共和国 in 40-pixel characters, black on white: among the commonest characters of
# Tesseract's chi_sim model, it is read exactly, so the recognised text is a part of the
# bank's question line.
printf '%s\r\nA. 1949\r\nB. 1950\r\n' "$(printf '中华人民共和国成立于哪一年？' | iconv -t GBK)" > "$work/bank.txt"
listing=$(printf '相关内容如下：\n中华人民共和国成立于哪一年？\nA. 1949\nB. 1950\n\n\n---------------华丽的分割线------------------')
wine "$bin/QuizDriver.exe" show-text 40 620 600 80 '中华人民共和国' >/dev/null &
pids+=($!)
wine "$bin/QuizAssistant.exe" &
pids+=($!)
driver wait-window 20000 || fail "the tool's window did not open"
driver drop "$work/bank.txt" || fail "the bank was not dropped"
driver click 206 300 58 24 || fail "no mode button"

# Opens the overlay; its click handler runs until the overlay closes, so it is posted.
open_overlay() {
  driver type-text 2 1 358 277 "" >/dev/null
  driver post-click 282 300 58 24 || fail "no screenshot button"
  sleep 0.8
}
drag() {  # x1 y1 x2 y2, the button held through the moves
  xdotool mousemove "$1" "$2" mousedown 1
  sleep 0.1
  xdotool mousemove $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 ))
  sleep 0.1
  xdotool mousemove "$3" "$4"
  sleep 0.1
}
# Waits until the recognition has ended (the main window enabled again) and the text
# it put on the clipboard has been searched.
wait_for_results() {
  for _ in $(seq 1 100); do
    [ "$(driver window-state)" = "enabled visible" ] && [ -n "$(driver get-text 2 1 358 277)" ] && return 0
    sleep 0.1
  done
  fail "$1: no result; window $(driver window-state)"
}
recognised() { driver get-text 133 181 75 27 | utf8; }
results() { driver get-text 2 1 358 277 | utf8; }

# A drag around the question: its listing, and the main window is not in the frozen screen.
open_overlay
drag 60 630 625 690
import -window root "$work/overlay.png"
xdotool mouseup 1
wait_for_results "drag"
[ "$(recognised)" = "中华人民共和国" ] || fail "recognised: $(recognised)"
[ "$(results)" = "$listing" ] || fail "listing: $(results)"
desktop=$(convert "$work/overlay.png" -format '%[pixel:p{1000,100}]' info:)
where_main_was=$(convert "$work/overlay.png" -format '%[pixel:p{600,300}]' info:)
[ "$desktop" = "$where_main_was" ] || fail "the main window shows in the frozen screen ($where_main_was)"
passed=$((passed + 1))

# A right click during a drag closes the overlay; the worker reads the earlier picture.
open_overlay
drag 700 100 900 300
xdotool click 3
xdotool mouseup 1
wait_for_results "right click"
[ "$(recognised)" = "中华人民共和国" ] || fail "after the right click: $(recognised)"
passed=$((passed + 1))

# Press and release at one point: the picture box is emptied, the worker still runs and
# the service's message for an empty image is the result.
open_overlay
xdotool mousemove 300 300 mousedown 1
sleep 0.1
xdotool mouseup 1
wait_for_results "one point"
case "$(recognised)" in
  *图片为空*) ;;
  *) fail "after a click in place: $(recognised)" ;;
esac
passed=$((passed + 1))

echo "screenshot: $passed passed, 0 failed"
