#!/usr/bin/env bash
# The button page and the macro manager end to end, as a user meets them:
# Option.exe, Monitor.exe and the virtual mouse as real processes in an
# installation folder of their own, real pointer and key events from the X
# server (xdotool) at the skins' coordinates. A macro is recorded, edited,
# given to a button with another button's key combination, applied into the
# mouse and played by Monitor; then the held key, the 40-event limit and the
# modal form. Arguments: the pages' helper program (pages_e2e_lib.sh) and
# Option's (option_e2e_helper_win32.exe: the hooks, the macro store, buttons).
# OSPREY_E2E_SHOTS=DIR keeps screenshots: the button page, the manager while
# recording, the event list's menu, and the screen at a failure.
set -euo pipefail
source "$(dirname "$0")/../../pages/tests/pages_e2e_lib.sh"
pages_e2e_init "$1" macro_pages_e2e
app_helper=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")

macro_cleanup() {
  for title in "Osprey Arena" "Option e2e key watch" "Option e2e input log"; do
    wine "$app_helper" close "$title" >/dev/null 2>&1 || true
  done
  wine "$app_helper" monitor-exit >/dev/null 2>&1 || true
  cleanup
}
trap macro_cleanup EXIT

# Runs Option's helper and waits until it is in place (it writes OUT.ready).
start_helper() {
  local out=${*: -1}
  rm -f "$out" "$out.ready"
  start "$app_helper" "$@"
  until_ok 30 test -f "$out.ready" || fail "helper $1 did not start"
}

macro_key() { click_page skin_macro_manager.ini "$@"; }
# A line of a list control of the macro manager: skin key, line, button.
list_line() {
  local x y
  read -r x y _ < <(rect skin_macro_manager.ini "$1")
  click $((px + x + 40)) $((py + y + 18 * $2 + 9)) "${3:-1}"
}
# Clicks a key of a dialog window: window, skin file, key.
dialog_key() {
  local x y
  read -r x y < <(dialog_origin "$1")
  click $(middle "$2" "$3" "$x" "$y")
}
keys() { for k in "$@"; do xdotool key "$k"; sleep 0.08; done; }
# Presses and releases a key with a pause while it is down (one xdotool run:
# a press held past 500 ms would be played back with the keyboard's repeat).
tap() { xdotool keydown "$1" sleep "${2:-0.05}" keyup "$1"; }

macros() {
  rm -f "$folder/macros.txt"
  wine "$app_helper" macros "$wfolder\\config\\sequence.dat" "$wfolder\\macros.txt" >/dev/null 2>&1 </dev/null
  tr -d '\r' <"$folder/macros.txt"
}
profile_file() {
  rm -f "$folder/profile.txt"
  wine "$app_helper" profile "$wfolder\\config\\Default$1.gmp" "$wfolder\\profile.txt" >/dev/null 2>&1 </dev/null ||
    fail "profile file $1 unreadable"
  tr -d '\r' <"$folder/profile.txt"
}
watched() { tr -d '\r\n' <"$folder/keys.txt"; }
# Conditions for until_ok, read afresh each time.
watched_over() { [ "$(watched)" -gt "$1" ]; }
lines_in() { [ "$(grep -c . "$1" 2>/dev/null)" -ge "$2" ]; }

# ---------------------------------------------------------------------------
make_installation

step "the virtual mouse, Monitor, a watching keyboard hook, Option"
start_mouse_and_monitor
start_helper keywatch "$folder/keys.txt"
start_option
xdotool mousemove --sync 700 20
xdotool windowfocus --sync "$(window_of "Osprey Arena")" 2>/dev/null || true
xdotool key shift
until_ok 10 watched_over 0 || fail "the watching hook sees no keys"

step "a new macro recorded with its pauses; the keys reach no other program"
click_main 37
macro_key 4
xdotool type --delay 60 "Burst"
xdotool key Return
sleep 0.3
macro_key 8                           # record the pauses
macro_key 7                           # record
before=$(watched)
tap a; sleep 0.4; tap b; sleep 0.4; tap c
sleep 0.3
shot macro_manager_recording
macro_key 7                           # stop
[ "$(watched)" = "$before" ] || fail "keys reached another program while recording"

step "one pause edited to 1500 ms, a left click inserted before C"
list_line 11 3 3                      # the pause after A's release
keys Down Down Down Down Down Return  # Edit
sleep 0.3
xdotool type --delay 60 1500
xdotool key Return
sleep 0.3
list_line 11 8 3                      # C pressed
keys Down Down Down Down Right Right  # Mouse events, Left button
sleep 0.4
shot event_list_menu
keys Down Down Return                 # Click
sleep 0.3
macro_key 9                           # repeat
macro_key 10
keys Home shift+End
xdotool type --delay 80 3

step "button 6 plays the macro, button 9 gives Ctrl+K"
click_main 47
click_page skin_button_page.ini 25
keys Down Right Return                # Macro, Assign macro...
until_ok 10 window_sized 340x230 >/dev/null || fail "no macro chooser"
chooser=$(window_sized 340x230)
dialog_key "$chooser" skin_select_macro.ini 4
keys Down Return                      # the first stored macro
sleep 0.3
dialog_key "$chooser" skin_select_macro.ini 1
until_ok 10 window_closed "$chooser" || fail "the macro chooser stayed open"
click_page skin_button_page.ini 28
keys Down Down Down Down Down Down Down Down Down Down Return
until_ok 10 has_window "Z.ORIN Shortcut Dialog" || fail "no shortcut dialog"
sd=$(window_of "Z.ORIN Shortcut Dialog")
xdotool key k
sleep 0.3
dialog_key "$sd" skin_shortcut.ini 7  # Ctrl
dialog_key "$sd" skin_shortcut.ini 2  # OK
until_ok 10 bash -c "! xdotool search --name '^Z.ORIN Shortcut Dialog\$' >/dev/null" || fail "dialog stayed open"
sleep 0.5
shot button_page

step "Apply: the store, the profile file and the mouse hold both"
click_main 14
until_ok 20 bash -c "grep -q '^number=1' '$folder/config/sequence.dat' 2>/dev/null" || fail "no store written"
wait_transfer
stored=$(macros)
echo "stored: $stored"
[[ $stored =~ ^Burst\ 3\ 8:\ \+04/[0-9]+\ -04/1500\ \+05/[0-9]+\ -05/[0-9]+\ \+f0/0\ -f0/0\ \+06/[0-9]+\ -06/0$ ]] ||
  fail "the store holds: $stored"
profile_file 0 | grep -q "^button 6 function 16 " || fail "profile file: $(profile_file 0 | grep '^button 6 ')"
profile_file 0 | grep -q "^button 9 function 5 key 0e options 04$" || fail "profile file: $(profile_file 0 | grep '^button 9 ')"
device=$(mouse_profile 1)
echo "$device" | grep -A1 "^  button 6 "
echo "$device" | grep -q "^  button 6 macro " || fail "mouse: $(echo "$device" | grep ' button 6 ')"
echo "$device" | grep -Eq "^    macro [0-9]+ repeat 3: \+04/[0-9]+ -04/1500 \+05/[0-9]+ -05/[0-9]+ \+f0/0 -f0/0 \+06/[0-9]+ -06/0$" ||
  fail "the mouse's macro: $(echo "$device" | grep '^    macro')"
echo "$device" | grep -q "^  button 9 key 02 0e 00$" || fail "mouse: $(echo "$device" | grep ' button 9 ')"

step "the mouse's button 6 event: Monitor plays the keys in order with the edited pause"
start_helper inputlog "$folder/input.txt"
xdotool mousemove --sync 1200 900
wine "$bin/vmctl.exe" event 0x4000 6 >/dev/null 2>&1 </dev/null || fail "vmctl event"
until_ok 30 lines_in "$folder/input.txt" 24 || fail "played: $(tr '\n' ' ' <"$folder/input.txt")"
sleep 1
wine "$bin/vmctl.exe" event 0x5000 0x106 >/dev/null 2>&1 </dev/null || true
wine "$app_helper" close "Option e2e input log" >/dev/null 2>&1 || true
played=$(awk '{ print $1, $2 }' "$folder/input.txt" | tr '\n' ',')
pass="down 41,up 41,down 42,up 42,down left,up left,down 43,up 43,"
[ "$played" = "$pass$pass$pass" ] || fail "played: $played"
awk '$1 == "up" && $2 == "41" { t = $3 } $1 == "down" && $2 == "42" { n++; if ($3 - t < 1450) bad = 1; print "pause after A: " $3 - t " ms" }
     END { exit bad || n != 3 }' "$folder/input.txt" || fail "the edited pause was not kept"

step "a held key records one press and one release; the 40th event ends the recording"
click_main 37
macro_key 4
xdotool type --delay 60 "Long"
xdotool key Return
sleep 0.3
macro_key 7
tap x 1.5
for k in d e f g h i j l m n o p q r s t u v w; do tap "$k" 0.03; sleep 0.05; done
# Keys after the 40th: once Option has caught up with the hook's backlog
# (slow on a busy machine) the recording stops by itself and they get through.
before=$(watched)
key_gets_through() { xdotool key y; sleep 0.4; watched_over "$before"; }
until_ok 20 key_gets_through || fail "the recording did not stop at 40 events"
macro_key 1                           # OK: the page keeps the store
sleep 0.5
long=$(macros | grep '^Long ') || fail "no macro Long: $(macros)"
echo "long: $long"
[[ $long =~ ^Long\ 0\ 40:\ \+1b/[0-9]+\ -1b/[0-9]+\ \+07/.*\ \+1a/[0-9]+\ -1a/0$ ]] || fail "Long holds: $long"

step "the modal form: Cancel leaves the store as it was on disk, OK saves it"
manager() {
  click_main 21
  keys Down Right Return              # Macro, Macro manager...
  until_ok 10 window_sized 576x512 >/dev/null || fail "no macro manager dialog"
  window_sized 576x512
}
store_sum() { md5sum <"$folder/config/sequence.dat"; }
saved=$(store_sum)
m=$(manager)
dialog_key "$m" skin_macro_manager.ini 4
xdotool type --delay 60 "Temp"
xdotool key Return
sleep 0.3
dialog_key "$m" skin_macro_manager.ini 3   # Cancel
until_ok 10 window_closed "$m" || fail "the manager stayed open"
[ "$(store_sum)" = "$saved" ] || fail "Cancel changed the store file"
m=$(manager)
dialog_key "$m" skin_macro_manager.ini 4
xdotool type --delay 60 "Kept"
xdotool key Return
sleep 0.3
dialog_key "$m" skin_macro_manager.ini 1   # OK
until_ok 10 window_closed "$m" || fail "the manager stayed open"
macros | grep -q '^Kept 0 0:$' || fail "OK did not save: $(macros)"
macros | grep -q '^Temp ' && fail "the cancelled macro came back"

step "CANCEL ends Option"
aim $(middle skin_main.ini 13 0 0)
xdotool click 1
until_ok 10 bash -c "! xdotool search --name '^Osprey Arena\$' >/dev/null" || fail "Option stayed open"
echo "macro pages end to end: ok"
