#!/usr/bin/env bash
# Automatic mode with a real mouse: a drag-select of a question in Wine's notepad, and a
# right-click over a selection, each list that question and leave the clipboard empty.
# Runs inside tools/wine-test.sh (own Xvfb and Wine prefix); $1 is the folder of the
# programs.
set -u -o pipefail
bin=$1
work=$(mktemp -d)
trap 'kill $tool_pid 2>/dev/null; pkill -f notepad.exe; rm -rf "$work"' EXIT

driver() { wine "$bin/QuizDriver.exe" "$@" | tr -d '\r'; }
fail() { echo "FAILED: $*"; exit 1; }

bank="$work/selection-bank.txt"
printf 'Which planet is red?\r\nA. Mars\r\nB. Venus\r\nmore\r\nlines\r\n' > "$bank"
listing=$(printf '相关内容如下：\nWhich planet is red?\nA. Mars\nB. Venus\nmore\nlines\n---------------华丽的分割线------------------')

wine "$bin/QuizAssistant.exe" &
tool_pid=$!
driver wait-window 20000 || fail "the tool's window did not open"
driver drop "$bank" || fail "the bank was not dropped"
driver click 206 300 58 24 || fail "no mode button"

wine notepad "$bank" &
for _ in $(seq 1 100); do
  span=$(driver edit-line-span selection-bank 1 2>/dev/null) && break
  sleep 0.1
done
[ -n "${span:-}" ] || fail "notepad did not show the bank"
read -r x1 y1 x2 y2 <<<"$span"

# Waits for the results box (automatic mode: 277 high) to show the listing.
expect_listing() {
  for _ in $(seq 1 40); do
    got=$(driver get-text 2 1 358 277 | iconv -f GBK -t UTF-8 2>/dev/null)
    [ "$got" = "$listing" ] && return 0
    sleep 0.05
  done
  fail "$1: the results box shows: $got"
}

# A drag-select: the copy keystroke follows the left button coming up.
xdotool mousemove "$x1" "$y1" mousedown 1
sleep 0.1
xdotool mousemove "$x2" "$y2"
sleep 0.1
xdotool mouseup 1
expect_listing "drag-select"
[ -z "$(driver get-clipboard)" ] || fail "the clipboard was not emptied after the drag"

driver type-text 2 1 358 277 "" >/dev/null
# A right-click over the selection sends the keystroke on the press already.
xdotool mousemove "$x1" "$y1" mousedown 3
sleep 0.1
xdotool mouseup 3
sleep 0.1
xdotool key Escape
expect_listing "right-click"
[ -z "$(driver get-clipboard)" ] || fail "the clipboard was not emptied after the right-click"

echo "selection: 2 passed, 0 failed"
