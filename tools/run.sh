#!/usr/bin/env bash
# Runs the system under Wine: the virtual mouse (plugged), Monitor and Option.
# Builds what is missing first. Uses the current display, or a virtual one.
# Stop everything with Ctrl+C (or tools/run.sh --stop).
set -euo pipefail
source "$(dirname "$0")/common.sh"

if [ "${1:-}" = --stop ]; then
  wineserver -k 2>/dev/null || true
  exit 0
fi

install_prerequisites
if [ ! -x "$build_native/bin/skingen" ]; then
  configure_native
  cmake --build "$build_native" -j"$(nproc)"
fi
if [ ! -f "$build_win/bin/Monitor.exe" ]; then
  configure_win
  cmake --build "$build_win" -j"$(nproc)"
fi
ensure_display
prepare_wine
echo "display: $DISPLAY"

bin=$build_win/bin
cd "$bin"
# The device library talks to the virtual mouse instead of a real HID device.
printf '[Backend]\r\nType=virtual\r\n' > hiddriver.ini

pids=()
start() { wine "$@" >/dev/null 2>&1 </dev/null & pids+=($!); }
[ -f VirtualMouse.exe ] && { start VirtualMouse.exe; sleep 1; }
start Monitor.exe
sleep 2
[ -f Option.exe ] && start Option.exe

trap 'wineserver -k 2>/dev/null || true' INT TERM
echo "running: VirtualMouse.exe, Monitor.exe${pids[2]:+, Option.exe} (Ctrl+C stops)"
wait
