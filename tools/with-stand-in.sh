#!/usr/bin/env bash
# with-stand-in.sh SERVICE [server options] -- COMMAND [ARGS...]
# Runs COMMAND while tools/stand_in_SERVICE.py (http: the scripted HTTP server, ocr: the
# recognition service) listens on 127.0.0.1; its port is in QUIZ_STAND_IN_PORT. The
# server is ended afterwards.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
service=$1
shift
server_args=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do server_args+=("$1"); shift; done
shift

port_file=$(mktemp)
# The HTTP stand-in also serves files a test writes into QUIZ_STAND_IN_FILES.
files=$(mktemp -d)
[ "$service" = http ] && server_args+=(--file-dir "$files")
export QUIZ_STAND_IN_FILES=$files
python3 "$here/stand_in_$service.py" --port-file "$port_file" --lifetime 600 "${server_args[@]}" &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -rf "$port_file" "$files"' EXIT
for _ in $(seq 1 100); do
  [ -s "$port_file" ] && break
  sleep 0.05
done
export QUIZ_STAND_IN_PORT=$(cat "$port_file")
"$@"
