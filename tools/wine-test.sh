#!/usr/bin/env bash
# CTest emulator for the Windows test programs: wine-test.sh PREFIX PROGRAM [ARGS...]
# Runs PROGRAM under Wine (or, for a .sh script, bash with Wine's environment set up)
# on its own Xvfb display, in the zh_CN.UTF-8 locale (code
# page 936), inside a Wine virtual desktop. The prefix is made once and reused; runs
# that share it take turns. Every process started here is ended afterwards.
set -u
prefix=$1
shift

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-env.sh"
wine_env "$prefix"

mkdir -p "$(dirname "$prefix")"
# Runs that share the prefix take turns. Only this script holds the lock: no program it
# starts inherits it (9>&-), so a run that is killed lets the next one go on, and the
# next one first ends whatever the killed run left in the prefix.
exec 9>"$prefix.lock"
flock 9
wineserver -k 2>/dev/null 9>&- || true

cleanup() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  xvfb_stop
}
trap cleanup EXIT
trap 'exit 130' INT TERM

xvfb_start 9>&- || exit 1
wine_prefix_ready 9>&-
# Keeps the server up between the programs a test starts.
wineserver -p 2>/dev/null 9>&-

if [[ "$1" == *.sh ]]; then
  bash "$@" 9>&-
else
  wine "$@" 9>&-
fi
exit $?
