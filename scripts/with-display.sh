#!/usr/bin/env bash
# Runs a command with a private X display (Xvfb on a free display number) and the build's Wine session,
# and stops both afterwards, whatever the command's outcome. Wine's Direct3D 9 renders there through Mesa.
#   with-display.sh PREFIX COMMAND [ARGUMENTS...]
set -euo pipefail

prefix=$1
shift
here=$(dirname "$0")

display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" </dev/null >/dev/null 2>&1 &
xvfb=$!
stop() {
  "$here/wine-session.sh" stop "$prefix"
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  rm -f "$display_file"
}
trap stop EXIT

for _ in $(seq 100); do
  [ -s "$display_file" ] && break
  kill -0 "$xvfb" 2>/dev/null || { echo "with-display: Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done
[ -s "$display_file" ] || { echo "with-display: Xvfb gave no display number" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$display_file")"

# A session left from a run without this display would keep Wine's desktop on no display at all.
"$here/wine-session.sh" stop "$prefix"
"$here/wine-session.sh" start "$prefix"
"$@"
