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
exec 9>"$prefix.lock"
flock 9

cleanup() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  xvfb_stop
}
trap cleanup EXIT
trap 'exit 130' INT TERM

xvfb_start || exit 1
wine_prefix_ready
# Keeps the server up between the programs a test starts.
wineserver -p 2>/dev/null

if [[ "$1" == *.sh ]]; then
  bash "$@"
else
  wine "$@"
fi
exit $?
