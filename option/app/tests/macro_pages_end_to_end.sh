#!/usr/bin/env bash
# The button page and the macro manager end to end, as a user meets them:
# Option.exe, Monitor.exe and the virtual mouse as real processes in an
# installation folder of their own, real pointer and key events from the X
# server (xdotool) at the skins' coordinates. A macro is recorded, edited,
# given to a button with another button's key combination, applied into the
# mouse and played by Monitor; then the held key, the 40-event limit and the
# modal form. Argument: the helper program (option_e2e_helper_win32.exe).
# OSPREY_E2E_SHOTS=DIR keeps screenshots: the button page, the manager while
# recording, the event list's menu, and the screen at a failure.
set -euo pipefail
bin=$(cd "$(dirname "$1")" && pwd)
helper=$bin/$(basename "$1")
command -v xdotool >/dev/null || { echo "xdotool missing"; exit 1; }
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY"; exit 1; }

folder=$bin/macro_pages_e2e
win() { local p=${1//\//\\}; echo "Z:$p"; }
wfolder=$(win "$folder")
shots=${OSPREY_E2E_SHOTS:-}

pids=()
cleanup() {
  for title in "Osprey Arena" "Option e2e key watch" "Option e2e input log"; do
    wine "$helper" close "$title" >/dev/null 2>&1 || true
  done
  wine "$helper" monitor-exit >/dev/null 2>&1 || true
  wine "$bin/vmctl.exe" quit >/dev/null 2>&1 || true
  for pid in "${pids[@]}"; do
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null || true
  done
}
trap cleanup EXIT

shot() { [ -z "$shots" ] || { mkdir -p "$shots"; import -window root "$shots/$1.png" 2>/dev/null || true; }; }
fail() { echo "FAILED: $*"; shot macro_pages_e2e_failure; exit 1; }
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
start_helper() {
  local out=${*: -1}
  rm -f "$out" "$out.ready"
  start "$helper" "$@"
  until_ok 30 test -f "$out.ready" || fail "helper $1 did not start"
}

click() {
  xdotool mousemove --sync "$1" "$2"
  sleep 0.2
  xdotool click "${3:-1}"
  sleep 0.3
}
# The middle of a key of a skin's BUTTONPOS section: "x y".
centre() {
  tr -d '\r' <"$bin/skins/$1" | sed -n "/^\[BUTTONPOS\]/,/^\[/p" | grep -m1 "^$2=" | cut -d= -f2 |
    awk -F, '{ printf "%d %d\n", $2 + $4 / 2, $3 + $5 / 2 }'
}
# Where a skin's window is: the main dialog at the origin, its pages at its
# key 42, dialogs wherever they were opened.
page_origin() { tr -d '\r' <"$bin/skins/skin_main.ini" | grep -m1 "^42=" | cut -d= -f2 | awk -F, '{ print $2, $3 }'; }
read -r px py < <(page_origin)
at() { local x y; read -r x y < <(centre "$1" "$2"); click $(($3 + x)) $(($4 + y)) "${5:-1}"; }
main_key() { at skin_main.ini "$1" 0 0; }
page_key() { at "$1" "$2" "$px" "$py" "${3:-1}"; }
macro_key() { page_key skin_macro_manager.ini "$@"; }
# A line of a list control of the macro manager: skin key, line, button.
list_line() {
  local v; v=$(tr -d '\r' <"$bin/skins/skin_macro_manager.ini" | grep -m1 "^$1=" | cut -d= -f2)
  local x y; read -r x y < <(echo "$v" | awk -F, '{ print $2 + 40, $3 }')
  click $((px + x)) $((py + y + 18 * $2 + 9)) "${3:-1}"
}
window_sized() {
  local w
  for w in $(xdotool search --onlyvisible --name "" 2>/dev/null); do
    xdotool getwindowgeometry "$w" 2>/dev/null | grep -q "Geometry: $1\$" && { echo "$w"; return 0; }
  done
  return 1
}
# Clicks a key of the dialog window: window, skin file, key.
dialog_key() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  local x y; read -r x y < <(centre "$2" "$3")
  xdotool mousemove --sync $((X + x)) $((Y + y))
  sleep 0.4  # the button takes the hover first
  xdotool click 1
  sleep 0.3
}
gone() { ! xdotool getwindowgeometry "$1" >/dev/null 2>&1 || ! xdotool search --onlyvisible --name '' | grep -qx "$1"; }
keys() { for k in "$@"; do xdotool key "$k"; sleep 0.08; done; }
# Presses and releases a key with a pause while it is down (one xdotool run:
# a press held past 500 ms would be played back with the keyboard's repeat).
tap() { xdotool keydown "$1" sleep "${2:-0.05}" keyup "$1"; }

dump() {
  rm -f "$folder/state.txt"
  wine "$bin/vmctl.exe" dump "$wfolder\\state.txt" >/dev/null 2>&1 </dev/null || return 1
  tr -d '\r' <"$folder/state.txt"
}
wait_idle() { wine "$bin/vmctl.exe" wait-idle 600 60000 >/dev/null 2>&1 </dev/null; }
macros() {
  rm -f "$folder/macros.txt"
  wine "$helper" macros "$wfolder\\config\\sequence.dat" "$wfolder\\macros.txt" >/dev/null 2>&1 </dev/null
  tr -d '\r' <"$folder/macros.txt"
}
profile_file() {
  rm -f "$folder/profile.txt"
  wine "$helper" profile "$wfolder\\config\\Default$1.gmp" "$wfolder\\profile.txt" >/dev/null 2>&1 </dev/null ||
    fail "profile file $1 unreadable"
  tr -d '\r' <"$folder/profile.txt"
}
watched() { tr -d '\r\n' <"$folder/keys.txt"; }
# Conditions for until_ok, read afresh each time.
watched_over() { [ "$(watched)" -gt "$1" ]; }
lines_in() { [ "$(grep -c . "$1" 2>/dev/null)" -ge "$2" ]; }

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

step "the virtual mouse, Monitor, a watching keyboard hook, Option"
start "$bin/VirtualMouse.exe" --log "$wfolder\\reports.log"
wine "$bin/vmctl.exe" wait-window 20000 >/dev/null 2>&1 </dev/null || fail "no virtual mouse"
start "$folder/Monitor.exe"
until_ok 30 has_window "Osprey Arena Monitor" || fail "Monitor did not start"
until_ok 30 test -s "$folder/reports.log" || fail "no first transfer"
wait_idle
start_helper keywatch "$folder/keys.txt"
start "$folder/Option.exe"
until_ok 30 has_window "Osprey Arena" || fail "Option did not open"
sleep 1
xdotool mousemove --sync 700 20
xdotool windowfocus --sync "$(window_of "Osprey Arena")" 2>/dev/null || true
xdotool key shift
until_ok 10 watched_over 0 || fail "the watching hook sees no keys"

step "a new macro recorded with its pauses; the keys reach no other program"
main_key 37
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
main_key 47
page_key skin_button_page.ini 25
keys Down Right Return                # Macro, Assign macro...
until_ok 10 window_sized 340x230 >/dev/null || fail "no macro chooser"
chooser=$(window_sized 340x230)
dialog_key "$chooser" skin_select_macro.ini 4
keys Down Return                      # the first stored macro
sleep 0.3
dialog_key "$chooser" skin_select_macro.ini 1
until_ok 10 gone "$chooser" || fail "the macro chooser stayed open"
page_key skin_button_page.ini 28
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
main_key 14
until_ok 20 bash -c "grep -q '^number=1' '$folder/config/sequence.dat' 2>/dev/null" || fail "no store written"
wait_idle
stored=$(macros)
echo "stored: $stored"
[[ $stored =~ ^Burst\ 3\ 8:\ \+04/[0-9]+\ -04/1500\ \+05/[0-9]+\ -05/[0-9]+\ \+f0/0\ -f0/0\ \+06/[0-9]+\ -06/0$ ]] ||
  fail "the store holds: $stored"
profile_file 0 | grep -q "^button 6 function 16 " || fail "profile file: $(profile_file 0 | grep '^button 6 ')"
profile_file 0 | grep -q "^button 9 function 5 key 0e options 04$" || fail "profile file: $(profile_file 0 | grep '^button 9 ')"
device=$(dump | awk '/^profile /{on = ($2 == 1)} on')
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
wine "$helper" close "Option e2e input log" >/dev/null 2>&1 || true
played=$(awk '{ print $1, $2 }' "$folder/input.txt" | tr '\n' ',')
pass="down 41,up 41,down 42,up 42,down left,up left,down 43,up 43,"
[ "$played" = "$pass$pass$pass" ] || fail "played: $played"
awk '$1 == "up" && $2 == "41" { t = $3 } $1 == "down" && $2 == "42" { n++; if ($3 - t < 1450) bad = 1; print "pause after A: " $3 - t " ms" }
     END { exit bad || n != 3 }' "$folder/input.txt" || fail "the edited pause was not kept"

step "a held key records one press and one release; the 40th event ends the recording"
main_key 37
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
  main_key 21
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
until_ok 10 gone "$m" || fail "the manager stayed open"
[ "$(store_sum)" = "$saved" ] || fail "Cancel changed the store file"
m=$(manager)
dialog_key "$m" skin_macro_manager.ini 4
xdotool type --delay 60 "Kept"
xdotool key Return
sleep 0.3
dialog_key "$m" skin_macro_manager.ini 1   # OK
until_ok 10 gone "$m" || fail "the manager stayed open"
macros | grep -q '^Kept 0 0:$' || fail "OK did not save: $(macros)"
macros | grep -q '^Temp ' && fail "the cancelled macro came back"

main_key 13
echo "macro pages end to end: ok"
