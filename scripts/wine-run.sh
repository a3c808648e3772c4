#!/usr/bin/env bash
# The build's emulator: runs one Windows program in the build's Wine prefix.
#   wine-run.sh PREFIX PROGRAM [ARGUMENTS...]
set -euo pipefail

prefix=$1
shift
"$(dirname "$0")/wine-session.sh" start "$prefix"
export WINEPREFIX=$(realpath -m "$prefix")
export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
