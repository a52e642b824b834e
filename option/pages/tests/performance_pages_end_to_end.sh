#!/usr/bin/env bash
# The performance and DPI pages end to end, as a user meets them: Option.exe,
# Monitor.exe and the virtual mouse as real processes in an installation
# folder of their own, driven by real pointer and key events from the X
# server (xdotool) at the skins' coordinates (the main dialog sits at the
# screen origin, its pages at its key 42). The helper program reads what
# needs Win32 (the profile file, the shared block, the system settings).
# Arguments: the helper program. OSPREY_E2E_SHOTS=DIR keeps screenshots of
# both pages and the colour dialog, and of the screen at a failure.
set -euo pipefail
bin=$(cd "$(dirname "$1")" && pwd)
helper=$bin/$(basename "$1")
command -v xdotool >/dev/null || { echo "xdotool missing"; exit 1; }
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY"; exit 1; }

folder=$bin/pages_e2e
win() { local p=${1//\//\\}; echo "Z:$p"; }
wfolder=$(win "$folder")
shots=${OSPREY_E2E_SHOTS:-}

pids=()
cleanup() {
  local w
  for title in "Osprey Arena" "Osprey Arena Monitor"; do
    for w in $(xdotool search --name "^$title\$" 2>/dev/null); do
      xdotool windowclose "$w" 2>/dev/null || true
    done
  done
  wine "$bin/vmctl.exe" quit >/dev/null 2>&1 || true
  for pid in "${pids[@]}"; do
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null || true
  done
}
trap cleanup EXIT

shot() { [ -z "$shots" ] || { mkdir -p "$shots"; import -window root "$shots/$1.png" 2>/dev/null || true; }; }
fail() { echo "FAILED: $*"; shot pages_e2e_failure; exit 1; }
step() { echo "== $*"; }
until_ok() {
  local limit=$1; shift
  local end=$((SECONDS + limit))
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.1
  done
}
window_of() { xdotool search --name "^$1\$" 2>/dev/null | head -n1; }
has_window() { [ -n "$(window_of "$1")" ]; }
start() { (cd "$folder" && exec wine "$@" >/dev/null 2>&1 </dev/null) & pids+=($!); }
idle() { wine "$helper" idle >/dev/null 2>&1 </dev/null || fail "Option did not settle"; }

# A key of a skin's BUTTONPOS section (name,x,y,w,h,text): "x y w h".
rect() {
  tr -d '\r' <"$bin/skins/$1" | sed -n "/^\[BUTTONPOS\]/,/^\[/p" | grep -m1 "^$2=" | cut -d= -f2 |
    awk -F, '{ print $2, $3, $4, $5 }'
}
# The page's origin on the screen: main key 42.
read -r px py _ < <(cd "$bin" && rect skin_main.ini 42)
click() {
  xdotool mousemove --sync "$1" "$2"
  sleep 0.1
  xdotool click 1
  idle
}
# The middle of a key, on the screen, for a window at (ox, oy).
middle() { local x y w h; read -r x y w h < <(rect "$1" "$2"); echo $(($3 + x + w / 2)) $(($4 + y + h / 2)); }
click_main() { click $(middle skin_main.ini "$1" 0 0); }
click_page() { click $(middle "$1" "$2" "$px" "$py"); }
# Drags from (x, y) by dx pixels in steps, as a hand would.
drag() {
  local x=$1 y=$2 dx=$3 steps=6 i
  xdotool mousemove --sync "$x" "$y"
  sleep 0.1
  xdotool mousedown 1
  for i in $(seq $steps); do
    sleep 0.05
    xdotool mousemove --sync $((x + dx * i / steps)) "$y"
  done
  sleep 0.1
  xdotool mouseup 1
  idle
}
# Drags a slider's thumb (11 wide) from one value to another. Arguments: the
# track's left edge and middle on the screen, its width, its range, the
# values from and to.
drag_thumb() {
  local from=$((($3 - 11) * ($6 - $4) / ($5 - $4))) to=$((($3 - 11) * ($7 - $4) / ($5 - $4)))
  drag $(($1 + from + 5)) "$2" $((to - from))
}

# The colour dialog (360 x 240, top-level): its window and origin.
colour_dialog() {
  local w
  for w in $(xdotool search --onlyvisible --name "" 2>/dev/null); do
    xdotool getwindowgeometry "$w" 2>/dev/null | grep -q "Geometry: 360x240\$" && { echo "$w"; return 0; }
  done
  return 1
}
colour_dialog_closed() { ! xdotool search --onlyvisible --name "" 2>/dev/null | grep -qx "$1"; }
dialog_origin() { xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}'; }
# Types into a number box of the colour dialog: clears its field, types, Enter.
type_in_box() {
  local x y w h
  read -r x y w h < <(rect skin_dpi_color.ini "$1")
  click $(($3 + x + 12)) $(($4 + y + 11))
  xdotool key End BackSpace BackSpace BackSpace
  xdotool type --delay 30 "$2"
  xdotool key Return
  idle
}
# A pixel of the screen as a colour reference (red in the low byte), hex.
pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | tail -n1 |
    sed -n 's/.*#\([0-9A-Fa-f]\{2\}\)\([0-9A-Fa-f]\{2\}\)\([0-9A-Fa-f]\{2\}\).*/\3\2\1/p' | tr 'A-F' 'a-f'
}

dump() {
  rm -f "$folder/state.txt"
  wine "$bin/vmctl.exe" dump "$wfolder\\state.txt" >/dev/null 2>&1 </dev/null || return 1
  tr -d '\r' <"$folder/state.txt"
}
mouse_profile() { dump | awk -v p="$1" '/^profile /{on = ($2 == p)} on'; }
read_helper() { # command args... -> the text the helper wrote
  rm -f "$folder/out.txt"
  wine "$helper" "$@" "$wfolder\\out.txt" >/dev/null 2>&1 </dev/null || return 1
  tr -d '\r' <"$folder/out.txt"
}
expect_line() { # text, line: fails unless the text holds the line
  grep -qx -- "$2" <<<"$1" || fail "expected '$2' in:"$'\n'"$1"
}

# ---------------------------------------------------------------------------
step "installation folder $folder"
rm -rf "$folder"
mkdir -p "$folder/config"
for f in Option.exe Monitor.exe hiddriver.dll lan.dll; do cp "$bin/$f" "$folder/"; done
cp -r "$bin/skins" "$folder/skins"
printf '[Backend]\r\nType=virtual\r\n' >"$folder/hiddriver.ini"
for title in "Osprey Arena" "Osprey Arena Monitor" "Osprey Virtual Mouse"; do
  has_window "$title" && fail "'$title' already runs"
done
cd "$folder"

step "the virtual mouse, Monitor and Option"
start "$bin/VirtualMouse.exe" --log "$wfolder\\reports.log"
wine "$bin/vmctl.exe" wait-window 20000 >/dev/null 2>&1 </dev/null || fail "no virtual mouse"
start "$folder/Monitor.exe"
until_ok 30 has_window "Osprey Arena Monitor" || fail "Monitor did not start"
until_ok 30 test -s "$folder/reports.log" || fail "no first transfer"
wine "$bin/vmctl.exe" wait-idle 600 60000 >/dev/null 2>&1 </dev/null
start "$folder/Option.exe"
until_ok 30 has_window "Osprey Arena" || fail "Option did not open"
idle
xdotool windowfocus --sync "$(window_of "Osprey Arena")" 2>/dev/null || true

step "DPI page: level 3's slider dragged from 2000 to 3500"
click_main 40
read -r lx ly lw lh < <(rect skin_DPI.ini 7)
until_ok 10 wine "$helper" class-at $((px + lx + 30)) $((py + ly + 7)) OspreyDpiLevel || fail "no DPI page"
drag_thumb $((px + lx + 21)) $((py + ly + 21 + 7)) 396 1 12 8 11

step "level 2 made current by its label"
read -r lx ly lw lh < <(rect skin_DPI.ini 6)
click $((px + lx + 30)) $((py + ly + 7))

step "level 1's colour typed into the boxes: red 300 (255), green 16, blue 128"
click_page skin_DPI.ini 10
until_ok 10 colour_dialog >/dev/null || fail "no colour dialog"
cd_win=$(colour_dialog)
read -r cx cy < <(dialog_origin "$cd_win")
idle
type_in_box 6 300 "$cx" "$cy"
type_in_box 7 16 "$cx" "$cy"
type_in_box 8 128 "$cx" "$cy"
shot dpi_color_dialog
click $(middle skin_dpi_color.ini 1 "$cx" "$cy")
until_ok 10 colour_dialog_closed "$cd_win" || fail "the colour dialog stayed open"

step "level 4's colour picked from the palette"
click_page skin_DPI.ini 13
until_ok 10 colour_dialog >/dev/null || fail "no colour dialog"
cd_win=$(colour_dialog)
read -r cx cy < <(dialog_origin "$cd_win")
idle
read -r ax ay aw ah < <(rect skin_dpi_color.ini 4)
pick_x=$((cx + ax + aw * 2 / 3)); pick_y=$((cy + ay + ah / 3))
click "$pick_x" "$pick_y"
# The picked colour is the one on the screen under the pointer, once the
# preview (filled with it) is on the screen too.
read -r vx vy vw vh < <(rect skin_dpi_color.ini 3)
shown_alike() {
  local under; under=$(pixel "$pick_x" "$pick_y")
  [ -n "$under" ] && [ "$under" = "$(pixel $((cx + vx + vw / 2)) $((cy + vy + vh / 2)))" ]
}
until_ok 10 shown_alike || fail "the preview does not show the palette's colour"
picked=$(pixel "$pick_x" "$pick_y")
click $(middle skin_dpi_color.ini 1 "$cx" "$cy")
until_ok 10 colour_dialog_closed "$cd_win" || fail "the colour dialog stayed open"
echo "picked colour $picked"

step "X moved to 15 linked (Y follows), then to 5 apart (Y stays)"
read -r sx sy sw sh < <(rect skin_DPI.ini 3)
drag_thumb $((px + sx)) $((py + sy + 7)) "$sw" 1 19 10 15
click_page skin_DPI.ini 2
drag_thumb $((px + sx)) $((py + sy + 7)) "$sw" 1 19 15 5
shot dpi_page

step "performance page: 1000 Hz, pointer speed 7, 6 lines, acceleration, 1500 DPI, double-click 7"
click_main 39
read -r sx sy sw sh < <(rect skin_performance.ini 202)
until_ok 10 wine "$helper" class-at $((px + sx + sw - 3)) $((py + sy + 7)) OspreySkinSlider || fail "no performance page"
click_page skin_performance.ini 13
click_page skin_performance.ini 48
click_page skin_performance.ini 25
click_page skin_performance.ini 52
click_page skin_performance.ini 5
click_page skin_performance.ini 38
shot performance_page

step "Apply"
click_main 14
# The change transfer pauses 200 ms at most between reports.
wine "$bin/vmctl.exe" wait-idle 600 60000 >/dev/null 2>&1 </dev/null

expected="levels 4 6 11 10 6
in-use 1 1 1 1 1
current 1
colours 8010ff ff0000 00ff00 $picked ff0000
link 1
sensitivity 5 15
rate 3
speed 14
acceleration 1 8
wheel 6 0
tilt 3
double-click 410"
file=$(read_helper profile "$wfolder\\config\\Default0.gmp") || fail "profile file unreadable"
block=$(read_helper block) || fail "shared block unreadable"
while IFS= read -r line; do
  expect_line "$file" "$line"
  expect_line "$block" "$line"
done <<<"$expected"
expect_line "$block" "profile 0"

step "what the mouse received"
mouse=$(mouse_profile 1)
expect_line "$mouse" "  interval 1"
expect_line "$mouse" "  level 2"
expect_line "$mouse" "  levels 4 6 11 10 6"
expect_line "$mouse" "  sensitivity 5 15"

step "the system settings follow the active profile"
system=$(read_helper system) || fail "system settings unreadable"
expect_line "$system" "registry double-click 410 speed 14 acceleration 1 6 0 wheel 6"
expect_line "$system" "live double-click 410 speed 14 acceleration 1 6 0 wheel 6"

echo "performance pages end to end: ok"
