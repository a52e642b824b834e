#!/usr/bin/env bash
# The performance and DPI pages end to end, as a user meets them: real drags
# and clicks in Option with Monitor and the virtual mouse (pages_e2e_lib.sh),
# checked in the profile file, the shared block, the mouse and the system
# settings. Arguments: the helper program. OSPREY_E2E_SHOTS=DIR keeps
# screenshots of both pages and the colour dialog, and of the screen at a
# failure.
set -euo pipefail
source "$(dirname "$0")/pages_e2e_lib.sh"
pages_e2e_init "$1" pages_e2e

make_installation
start_all

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
until_ok 10 window_closed "$cd_win" || fail "the colour dialog stayed open"

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
until_ok 10 window_closed "$cd_win" || fail "the colour dialog stayed open"
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
apply

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
