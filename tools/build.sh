#!/usr/bin/env bash
# Configures and builds the native tree (build/native), the native tree under the
# sanitizers (build/sanitize) and the Win32 tree (build/win32).
# usage: tools/build.sh [native|sanitize|win32]...   (native and win32 when none is named)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
trees=("$@")
[ ${#trees[@]} -gt 0 ] || trees=(native win32)
jobs=$(nproc 2>/dev/null || echo 2)

for tree in "${trees[@]}"; do
  case "$tree" in
    native) args=() ;;
    sanitize) args=(-DQUIZ_SANITIZE=ON) ;;
    win32) args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake") ;;
    *) echo "unknown tree: $tree" >&2; exit 2 ;;
  esac
  cmake -S "$root" -B "$root/build/$tree" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${args[@]}" >/dev/null
  cmake --build "$root/build/$tree" -j "$jobs"
done
