#!/usr/bin/env bash
# Drags a slider's thumb with real pointer events (xdotool) and checks the
# values the slider posted: range 0..10 over 100 pixels, thumb dragged 55
# pixels to the right, no snap: the release settles on 5. Then drags the
# dialog by its surface.
set -euo pipefail
helper=$1
command -v xdotool >/dev/null || { echo "xdotool missing"; exit 1; }
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY"; exit 1; }
out=$(mktemp)
trap 'rm -f "$out"' EXIT

wine "$helper" >"$out" 2>/dev/null &
pid=$!
for _ in $(seq 100); do
  xdotool search --name "^Slider drag test$" >/dev/null 2>&1 && break
  sleep 0.1
done
win=$(xdotool search --name "^Slider drag test$" | head -n1)
[ -n "$win" ] || { echo "helper window not found"; kill "$pid"; exit 1; }
xdotool windowfocus --sync "$win" 2>/dev/null || true
sleep 0.5
# The dialog sits at the screen origin; the thumb's middle is at (25, 76).
xdotool mousemove --sync 25 76
sleep 0.2
xdotool mousedown 1
for x in 35 45 55 65 75 80; do
  sleep 0.1
  xdotool mousemove --sync "$x" 76
done
sleep 0.2
xdotool mouseup 1

# Pressing on a control never moves the dialog; pressing on its surface drags it.
geometry() { xdotool getwindowgeometry "$win" | sed -n 's/.*Position: \([0-9-]*,[0-9-]*\).*/\1/p'; }
before=$(geometry)
xdotool mousemove --sync 150 20 mousedown 1
for step in 1 2 3 4 5; do
  sleep 0.1
  xdotool mousemove --sync $((150 + 20 * step)) $((20 + 20 * step))
done
sleep 0.2
xdotool mouseup 1
sleep 0.3
after=$(geometry)
wait "$pid"
echo "dialog at $before, after a surface drag at $after"
[ "$before" = "0,0" ] || { echo "FAILED: the slider drag moved the dialog"; exit 1; }
[ "$after" = "100,100" ] || { echo "FAILED: the surface drag did not move the dialog by (100, 100)"; exit 1; }

values=$(tr -d '\r' <"$out" | tr '\n' ' ')
echo "posted: $values"
last=$(tr -d '\r' <"$out" | tail -n1)
count=$(grep -c . "$out" || true)
# Each move posts the value of the place before it (trailing by one move);
# the release posts the final value.
[ "$last" = 5 ] || { echo "FAILED: release posted '$last', expected 5"; exit 1; }
[ "$count" -ge 3 ] || { echo "FAILED: expected values during the drag"; exit 1; }
first=$(tr -d '\r' <"$out" | head -n1)
[ "$first" = 0 ] || { echo "FAILED: first move posted '$first', expected 0"; exit 1; }
echo "slider drag: ok"
