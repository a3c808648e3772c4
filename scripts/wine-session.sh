#!/usr/bin/env bash
# Starts or stops the Wine session of one build: its own 32-bit prefix and a persistent wineserver.
#   wine-session.sh start PREFIX   create the prefix if needed and keep its wineserver running
#   wine-session.sh stop PREFIX    stop that prefix's wineserver (and with it every process of the prefix)
# The server and Wine's service processes outlive this script. They start here with their standard streams
# on /dev/null (started from inside a test, they would inherit the test runner's pipes and make it wait
# for them) and without the start-up lock (they would hold it for good).
set -euo pipefail

action=$1
export WINEPREFIX=$(realpath -m "$2")
export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

case "$action" in
start)
  mkdir -p "$WINEPREFIX"
  exec 9>"$WINEPREFIX.lock"
  flock 9
  # Exit status 2 means a server of this prefix is already running, with its services.
  status=0
  wineserver -p </dev/null >/dev/null 2>&1 9>&- || status=$?
  case $status in
  0)
    # A new server: boot the prefix (creating it the first time), which starts Wine's services.
    wineboot </dev/null >/dev/null 2>&1 9>&-
    ;;
  2) ;;
  *)
    echo "wine-session: wineserver failed to start (status $status)" >&2
    exit 1
    ;;
  esac
  ;;
stop)
  wineserver -k </dev/null >/dev/null 2>&1 || true
  ;;
*)
  echo "usage: wine-session.sh start|stop PREFIX" >&2
  exit 2
  ;;
esac
