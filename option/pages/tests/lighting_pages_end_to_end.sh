#!/usr/bin/env bash
# The lighting page end to end, as a user meets it: each of the four effects
# chosen through the effect menu or the effect buttons and set up on its
# panel with real clicks in Option, with Monitor and the virtual mouse
# (pages_e2e_lib.sh), then applied and checked in the profile file and in
# what the mouse received. Then a profile whose effect is out of range.
# Arguments: the helper program. OSPREY_E2E_SHOTS=DIR keeps screenshots of
# the page with each panel and the menu open, and of the screen at a failure.
set -euo pipefail
source "$(dirname "$0")/pages_e2e_lib.sh"
pages_e2e_init "$1" lighting_e2e

LIGHT=skin_light_setting.ini
SINGLE=skin_danse_light.ini NEON=skin_dandian_light.ini WAVE=skin_xuancai_light.ini SEVEN=skin_qise_light.ini

# The window text at a screen point: the effect button's is the effect's
# name, a panel's the name of its effect.
text_at() { read_helper text-at "$1" "$2"; }
effect_name() { text_at $(middle $LIGHT 1 "$px" "$py"); }
# A point of the panel area that no panel covers with a control.
panel_shown() { text_at $((qx + 530)) $((qy + 400)); }
expect_effect() { # name shown, panel shown
  local name panel
  name=$(effect_name) || fail "no effect button"
  [ "$name" = "$1" ] || fail "the effect button reads '$name', not '$1'"
  panel=$(panel_shown) || fail "no panel"
  [ "$panel" = "$2" ] || fail "the '$panel' panel is shown, not '$2'"
}

# Which of the keys show held down: those whose picture on the screen differs
# from the skin's normal picture at a point that only the held-down picture
# changes (a tab's body, under a swatch the marker of the chosen colour).
rest_pointer() { xdotool mousemove --sync $((px + 300)) $((py + 10)); idle; }
image_pixel() {
  convert "$bin/skins/$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null | tail -n1 |
    sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | tr 'A-F' 'a-f'
}
screen_pixel() { pixel "$1" "$2" | sed 's/\(..\)\(..\)\(..\)/\3\2\1/'; }
held() { # skin, its normal picture, its origin on the screen, tab|swatch, keys...
  local skin=$1 image=$2 ox=$3 oy=$4 kind=$5 i=0 found="" x y w h sx sy key
  shift 5
  rest_pointer
  for key in "$@"; do
    read -r x y w h < <(rect "$skin" "$key")
    if [ "$kind" = tab ]; then sx=$((x + 12)) sy=$((y + h - 4)); else sx=$((x + w / 2)) sy=$((y + h - 2)); fi
    [ "$(screen_pixel $((ox + sx)) $((oy + sy)))" = "$(image_pixel "$image" "$sx" "$sy")" ] || found+="$i "
    i=$((i + 1))
  done
  echo "${found% }"
}
held_effect() { held $LIGHT light_normal.bmp "$px" "$py" tab 3 4 5 6; }
expect_held_effect() { local h; h=$(held_effect); [ "$h" = "$1" ] || fail "effect buttons held: '$h', not '$1'"; }

click_panel() { click $(middle "$1" "$2" "$qx" "$qy"); }
# A speed slider set by a click on its track where the value lies.
set_speed() { # skin, key, value 1..4
  local x y w h at
  read -r x y w h < <(rect "$1" "$2")
  at=$((($3 - 1) * w / 3)); [ $at -ge 5 ] || at=5; [ $at -le $((w - 5)) ] || at=$((w - 5))
  click $((qx + x + at)) $((qy + y + h / 2))
}
# The custom-speed box's up arrow, n times.
custom_up() { # skin, key, n
  local x y w h i
  read -r x y w h < <(rect "$1" "$2")
  for i in $(seq "$3"); do click $((qx + x + 33)) $((qy + y + 5)); done
}
menu_rect() { read_helper menu-open; }
# Opens the effect menu and chooses its item k (0..3).
choose_from_menu() {
  click $(middle $LIGHT 1 "$px" "$py")
  until_ok 10 wine "$helper" menu-open || fail "the effect menu did not open"
  local l t r b frame
  read -r l t r b < <(menu_rect)
  frame=$(((b - t - 4 * 21) / 2))
  [ -z "${2:-}" ] || shot "$2"
  click $((l + 30)) $((t + frame + 21 * $1 + 10))
}

make_installation
step "profile 2 keeps an effect out of range"
wine "$helper" default-profile "$wfolder\\config\\Default1.gmp" 1 9 >/dev/null 2>&1 </dev/null ||
  fail "could not write the profile"
start_all

step "the lighting page opens on the profile's colour wave"
click_main 38
read -r qx qy _ < <(rect $LIGHT 2)
qx=$((px + qx)) qy=$((py + qy))
until_ok 10 wine "$helper" class-at $((qx + 530)) $((qy + 400)) OspreySkinDialog || fail "no lighting page"
expect_effect "Colour wave" "Colour wave"
expect_held_effect 2

step "single colour from the menu; the click that closes the menu does not open it again"
choose_from_menu 0 lighting_menu
expect_effect "Single colour" "Single colour"
expect_held_effect 0
click $(middle $LIGHT 1 "$px" "$py")
until_ok 10 wine "$helper" menu-open || fail "the effect menu did not open"
click $(middle $LIGHT 1 "$px" "$py")
sleep 0.3
idle
! wine "$helper" menu-open || fail "the effect menu opened again"
# Under Wine on X the release of the click that closed the menu goes to the
# menu's destroyed window, so Wine still believes the left button is held and
# the effect button keeps the capture. A click on the page's background (it
# reaches that button, outside it, and does nothing) gives Wine its release.
xdotool mousemove --sync $((px + 300)) $((py + 10)) click 1
idle

step "single colour: steady, intensity 2, speed 4 with custom speed 4, green for level 1"
click_panel $SINGLE 0
set_speed $SINGLE 4 2
set_speed $SINGLE 3 4
custom_up $SINGLE 5 3
click_panel $SINGLE 8
h=$(held $SINGLE danse_normal.bmp "$qx" "$qy" swatch 7 8 9 10 11 12 13)
[ "$h" = 1 ] || fail "colours held: '$h', not green"

step "level 3 made current on the DPI page: its colour (blue) shows held; yellow chosen"
click_main 40
read -r lx ly lw lh < <(rect skin_DPI.ini 7)
until_ok 10 wine "$helper" class-at $((px + lx + 30)) $((py + ly + 7)) OspreyDpiLevel || fail "no DPI page"
click $((px + lx + 30)) $((py + ly + 7))
click_main 38
h=$(held $SINGLE danse_normal.bmp "$qx" "$qy" swatch 7 8 9 10 11 12 13)
[ "$h" = 3 ] || fail "colours held: '$h', not blue"
click_panel $SINGLE 9
shot lighting_single
apply

file=$(read_helper profile "$wfolder\\config\\Default0.gmp") || fail "profile file unreadable"
expect_line "$file" "light-type 0"
expect_line "$file" "single 1 4 4 2"
expect_line "$file" "level-colours 1 1 2 2 4 5 6 7"
mouse=$(mouse_profile 1)
expect_line "$mouse" "  lighting 1 15 128"
expect_line "$mouse" "  colours 00ff00 00ff00 ffff00 ffff00 ff00ff 00ffff ffffff ffffff"

step "neon from its effect button: speed 4 with custom speed 7, lights off"
click_page $LIGHT 4
expect_effect "Neon" "Neon"
expect_held_effect 1
set_speed $NEON 1 4
custom_up $NEON 2 6
click_panel $NEON 3
shot lighting_neon
apply
file=$(read_helper profile "$wfolder\\config\\Default0.gmp") || fail "profile file unreadable"
expect_line "$file" "light-type 1"
expect_line "$file" "neon 1 4 7"
expect_line "$(mouse_profile 1)" "  lighting 0 0 0"

step "colour wave from the menu: backward, lights off and on again, custom speed 3 kept at speed 3"
choose_from_menu 2
expect_effect "Colour wave" "Colour wave"
expect_held_effect 2
click_panel $WAVE 2
click_panel $WAVE 5
click_panel $WAVE 5
set_speed $WAVE 3 4
custom_up $WAVE 4 2
set_speed $WAVE 3 3
custom_up $WAVE 4 1  # disabled now: nothing changes
shot lighting_wave
apply
file=$(read_helper profile "$wfolder\\config\\Default0.gmp") || fail "profile file unreadable"
expect_line "$file" "light-type 2"
expect_line "$file" "wave 0 1 3 3"
expect_line "$(mouse_profile 1)" "  lighting 4 15 1"

step "seven colours from its effect button: type 1, speed 4 with custom speed 10, colour 4 typed"
click_page $LIGHT 6
expect_effect "Seven colours" "Seven colours"
expect_held_effect 3
click_panel $SEVEN 1
set_speed $SEVEN 3 4
custom_up $SEVEN 5 9
click_panel $SEVEN 10
until_ok 10 colour_dialog >/dev/null || fail "no colour dialog"
cd_win=$(colour_dialog)
read -r cx cy < <(dialog_origin "$cd_win")
idle
type_in_box 6 18 "$cx" "$cy"
type_in_box 7 52 "$cx" "$cy"
type_in_box 8 86 "$cx" "$cy"
click $(middle skin_dpi_color.ini 1 "$cx" "$cy")
until_ok 10 window_closed "$cd_win" || fail "the colour dialog stayed open"
read -r x y w h < <(rect $SEVEN 10)
[ "$(pixel $((qx + x + w / 2)) $((qy + y + h / 2)))" = 563412 ] || fail "colour 4 is not shown in its new colour"
shot lighting_seven
apply
file=$(read_helper profile "$wfolder\\config\\Default0.gmp") || fail "profile file unreadable"
expect_line "$file" "light-type 3"
expect_line "$file" "seven 0 0 4 10"
expect_line "$file" "seven-colours ff00ff 00ff00 ff0000 563412 ffff00 ff00ff ffffff"
expect_line "$(mouse_profile 1)" "  lighting 2 33 0"

step "profile 2: an effect out of range shows the single-colour panel without a name"
click_main 6
expect_effect "" "Single colour"
expect_held_effect ""
shot lighting_out_of_range
has_window "Osprey Arena" || fail "Option ended"
step "back to profile 1: its seven colours again"
click_main 5
expect_effect "Seven colours" "Seven colours"
expect_held_effect 3

echo "lighting page end to end: ok"
