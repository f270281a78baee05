#!/usr/bin/env bash
# Installs what is missing, builds the trees and runs every test: the native core tests,
# the same under AddressSanitizer and UndefinedBehaviorSanitizer, the Win32 tests under
# Wine (each on its own Xvfb), and each fuzz target for a few seconds.
# Extra arguments go to ctest (for example -R text_rules).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/setup.sh"
"$root/tools/build.sh" native win32 sanitize

log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
for tree in native sanitize win32; do
  echo "== $tree tests"
  (cd "$root/build/$tree" && ctest --output-on-failure -j 2 "$@") | tee -a "$log" || status=1
done

# Every fuzz target for a short, bounded time (tools/fuzz.sh runs them longer by hand).
echo "== fuzz targets"
QUIZ_FUZZ_SEED=${QUIZ_FUZZ_SEED:-1} "$root/tools/fuzz.sh" "${QUIZ_FUZZ_SECONDS:-10}" || status=1

# One closing line over the trees, from ctest's own summaries.
read -r total failed < <(sed -n 's/.* \([0-9]\+\) tests failed out of \([0-9]\+\).*/\2 \1/p' "$log" |
  awk '{t += $1; f += $2} END {print t + 0, f + 0}')
[ "$failed" -eq 0 ] || status=1
echo "total: $((total - failed)) passed, $failed failed"
exit $status
