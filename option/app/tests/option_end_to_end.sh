#!/usr/bin/env bash
# Option end to end, as a user meets it: Option.exe, Monitor.exe and the
# virtual mouse as real processes in an installation folder of their own,
# driven by real pointer and key events from the X server (xdotool) at the
# skin's coordinates (the main dialog sits at the screen origin). The helper
# program checks what needs Win32 (controls enabled, a keyboard hook, a
# stand-in Monitor, profile files). At the end the three programs run again
# from two folders whose names are outside ASCII, one of them outside the ANSI
# code page too. Argument: the helper program.
# OSPREY_E2E_SHOTS=DIR keeps a screenshot of the screen at a failure.
set -euo pipefail
bin=$(cd "$(dirname "$1")" && pwd)
helper=$bin/$(basename "$1")
command -v xdotool >/dev/null || { echo "xdotool missing"; exit 1; }
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY"; exit 1; }

folder=$bin/option_e2e
win() { local p=${1//\//\\}; echo "Z:$p"; }
wfolder=$(win "$folder")

pids=()
cleanup() {
  for title in "Arena game" "Osprey Arena" "Option e2e key watch"; do
    wine "$helper" close "$title" >/dev/null 2>&1 || true
  done
  wine "$helper" monitor-exit >/dev/null 2>&1 || true
  wine "$helper" close "Osprey Arena Monitor" >/dev/null 2>&1 || true
  wine "$bin/vmctl.exe" quit >/dev/null 2>&1 || true
  # A program still up after that (a modal dialog open at a failure) is
  # killed outright: Wine's handling of a polite signal can leave it half gone.
  for pid in "${pids[@]}"; do
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null || true
  done
}
trap cleanup EXIT

fail() {
  echo "FAILED: $*"
  if [ -n "${OSPREY_E2E_SHOTS:-}" ]; then
    mkdir -p "$OSPREY_E2E_SHOTS"
    import -window root "$OSPREY_E2E_SHOTS/option_e2e_failure.png" 2>/dev/null || true
  fi
  exit 1
}
step() { echo "== $*"; }

# until SECONDS COMMAND...: runs the command every 0.1 s until it succeeds.
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
file_has() { [ -f "$1" ] && grep -q -- "$2" "$1"; }

# Starts a Windows program in the background; its pid goes into pids.
# Programs run in the installation folder, as Monitor would start them.
start() { (cd "$folder" && exec wine "$@" >/dev/null 2>&1 </dev/null) & pids+=($!); }
last_started() { kill -0 "${pids[-1]}" 2>/dev/null && echo "its program runs" || echo "its program ended"; }
# Runs the helper and waits until it is in place (it writes OUT.ready).
start_helper() {
  local out=${*: -1}
  rm -f "$out" "$out.ready"
  start "$helper" "$@"
  until_ok 30 test -f "$out.ready" || fail "helper $1 did not start"
}

# Pointer clicks at screen positions (the main dialog is at the origin).
click() {
  xdotool mousemove --sync "$1" "$2"
  sleep 0.15
  xdotool click 1
  sleep 0.15
}
# The middle of a key of a skin's BUTTONPOS section (name,x,y,width,height): "x y".
centre() {
  local value
  value=$(tr -d '\r' <"$bin/skins/$1" | sed -n "/^\[BUTTONPOS\]/,/^\[/p" | grep -m1 "^$2=" | cut -d= -f2)
  echo "$value" | awk -F, '{ printf "%d %d\n", $2 + $4 / 2, $3 + $5 / 2 }'
}
# Clicks a control of a window: skin file, key, window title.
click_key() {
  local x y wx=0 wy=0
  read -r x y < <(centre "$1" "$2")
  if [ -n "${3:-}" ]; then
    local w; w=$(window_of "$3"); [ -n "$w" ] || fail "no window '$3'"
    eval "$(xdotool getwindowgeometry --shell "$w")"
    wx=$X; wy=$Y
    xdotool windowfocus --sync "$w" 2>/dev/null || true
  fi
  click $((wx + x)) $((wy + y))
}
main_key() { click_key skin_main.ini "$1"; }
# The visible window of a size (the skinned dialogs without a title).
window_sized() {
  local w
  for w in $(xdotool search --onlyvisible --name "" 2>/dev/null); do
    xdotool getwindowgeometry "$w" 2>/dev/null | grep -q "Geometry: $1\$" && { echo "$w"; return 0; }
  done
  return 1
}
# Clicks a control of the dialog window id: window, skin file, key.
click_in() {
  local x y
  read -r x y < <(centre "$2" "$3")
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  click $((X + x)) $((Y + y))
}
focus_main() {
  local w; w=$(window_of "Osprey Arena")
  xdotool mousemove --sync 700 20
  xdotool windowfocus --sync "$w" 2>/dev/null || true
  sleep 0.2
}

# Files of the installation folder are named relative to it.
dump() {
  rm -f "$folder/state.txt"
  (cd "$folder" && wine "$bin/vmctl.exe" dump state.txt >/dev/null 2>&1 </dev/null) || return 1
  tr -d '\r' <"$folder/state.txt"
}
# The dump lines of one profile (1-5) of the mouse.
mouse_profile() { dump | awk -v p="$1" '/^profile /{on = ($2 == p)} on'; }
mouse_active() { dump | sed -n 's/^active-profile //p'; }
mouse_button_is() { mouse_profile "$1" | grep -q "^  button $2 $3\$"; }
active_is() { [ "$(mouse_active)" = "$1" ]; }
wait_idle() { wine "$bin/vmctl.exe" wait-idle 600 60000 >/dev/null 2>&1 </dev/null; }

# A profile file's fields as the helper reads them: profile N, or a file name
# in config\\ as a second argument.
profile_file() {
  rm -f "$folder/profile.txt"
  (cd "$folder" && wine "$helper" profile "config\\${2:-Default$1.gmp}" profile.txt >/dev/null 2>&1 </dev/null) ||
    fail "profile file ${2:-$1} unreadable"
  tr -d '\r' <"$folder/profile.txt"
}
config_value() { tr -d '\r' <"$folder/config.ini" | sed -n "s/^$1=//p" | head -n1; }

# Apply (or OK) pressed while a helper watches OK and Apply: disabled from
# the press until Monitor answers, and every report of the transfer in before
# they come back.
apply_and_watch() {
  start_helper applywatch "$(win "$bin")\\" "$wfolder\\reports.log" "$folder/applywatch.txt"
  "$@"
  until_ok 60 file_has "$folder/applywatch.txt" "enabled\|never" || fail "apply watch did not end"
  local disabled enabled
  disabled=$(sed -n 's/^disabled //p' "$folder/applywatch.txt" | tr -d '\r')
  enabled=$(sed -n 's/^enabled //p' "$folder/applywatch.txt" | tr -d '\r')
  [ -n "$enabled" ] || fail "OK and Apply: $(cat "$folder/applywatch.txt")"
  wait_idle
  local final; final=$(stat -c %s "$folder/reports.log")
  echo "reports log: $disabled bytes at the press, $enabled when OK and Apply came back, $final at rest"
  [ "$enabled" -gt "$disabled" ] || fail "no reports reached the mouse while OK and Apply were disabled"
  [ "$enabled" -eq "$final" ] || fail "OK and Apply came back before the transfer ended"
}

# Opens the function menu of a main-dialog button control and picks the
# entry at a position of its top level with the keyboard.
visible_windows() { xdotool search --onlyvisible --name "" 2>/dev/null | wc -l; }
pick_function() {
  local before; before=$(visible_windows)
  main_key "$1"
  until_ok 10 test "$(visible_windows)" -gt "$before" || fail "no function menu"
  sleep 0.2
  for _ in $(seq "$2"); do xdotool key Down; sleep 0.05; done
  xdotool key Return
  sleep 0.3
}
# Types into the file dialog that comes up: a whole path, then Enter.
file_dialog() {
  local w=""
  for _ in $(seq 100); do
    w=$(xdotool search --name "^(Save As|Save as|Open)\$" 2>/dev/null | head -n1)
    [ -n "$w" ] && break
    sleep 0.1
  done
  [ -n "$w" ] || fail "no file dialog"
  xdotool windowfocus --sync "$w" 2>/dev/null || true
  sleep 0.5
  xdotool key ctrl+a
  xdotool type --delay 20 "$1"
  xdotool key Return
  until_ok 10 bash -c "! xdotool search --name '^(Save As|Save as|Open)\$' >/dev/null 2>&1" ||
    fail "the file dialog stayed open"
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

step "the virtual mouse and Monitor"
start "$bin/VirtualMouse.exe" --log "$wfolder\\reports.log"
wine "$bin/vmctl.exe" wait-window 20000 >/dev/null 2>&1 </dev/null || fail "no virtual mouse window: $(last_started)"
start "$folder/Monitor.exe"
until_ok 30 has_window "Osprey Arena Monitor" || fail "Monitor did not start"
until_ok 30 test -s "$folder/reports.log" || fail "no first transfer"
wait_idle
active_is 1 || fail "the mouse's active profile is $(mouse_active), expected 1"

step "a keyboard hook that no key may reach while the shortcut dialog is open"
start_helper keywatch "$folder/keys.txt"
watched() { tr -d '\r\n' <"$folder/keys.txt"; }

step "Option"
start "$folder/Option.exe"
option_pid=${pids[-1]}
until_ok 30 has_window "Osprey Arena" || fail "Option did not open"
sleep 1

step "a second Option ends without a window"
timeout 30 wine "$folder/Option.exe" >/dev/null 2>&1 </dev/null || fail "the second Option did not end"
[ "$(xdotool search --name '^Osprey Arena$' | wc -l)" = 1 ] || fail "two Option windows"

step "profile 3, button 8 gets Ctrl+K through the shortcut dialog"
focus_main
xdotool key shift
until_ok 10 test "$(watched)" -ge 1 || fail "the watching hook sees no keys"
main_key 7
pick_function 27 10
until_ok 10 has_window "Z.ORIN Shortcut Dialog" || fail "no shortcut dialog"
before=$(watched)
sd=$(window_of "Z.ORIN Shortcut Dialog")
xdotool windowfocus --sync "$sd" 2>/dev/null || true
sleep 0.3
xdotool key k
sleep 0.3
click_key skin_shortcut.ini 7 "Z.ORIN Shortcut Dialog"   # Ctrl
sleep 0.3
[ "$(watched)" = "$before" ] || fail "keys reached another program while the dialog was open"
click_key skin_shortcut.ini 2 "Z.ORIN Shortcut Dialog"   # OK
until_ok 10 bash -c "! xdotool search --name '^Z.ORIN Shortcut Dialog\$' >/dev/null" || fail "dialog stayed open"

step "Apply: OK and Apply wait for Monitor"
apply_and_watch main_key 14
[ "$(config_value CurrentProfile)" = 2 ] || fail "config.ini CurrentProfile $(config_value CurrentProfile)"
profile_file 2 | grep -q "^button 8 function 5 key 0e options 04$" || fail "profile file: $(profile_file 2 | grep '^button 8 ')"
mouse_button_is 3 8 "key 02 0e 00" || fail "mouse: $(mouse_profile 3 | grep ' button 8 ')"
active_is 3 || fail "the mouse's active profile is $(mouse_active), expected 3"


step "export profile 3, change button 8, apply, import the export: back, and applied"
main_key 3
file_dialog "$wfolder\\exported.gmp"
until_ok 10 test -f "$folder/exported.gmp" || fail "nothing exported"
pick_function 27 7                      # right click
apply_and_watch main_key 14
mouse_button_is 3 8 "mouse 00 f1 00" || fail "mouse after the change: $(mouse_profile 3 | grep ' button 8 ')"
import_exported() { main_key 2; file_dialog "$wfolder\\exported.gmp"; }
apply_and_watch import_exported
profile_file 2 | grep -q "^button 8 function 5 key 0e options 04$" || fail "profile file after import: $(profile_file 2 | grep '^button 8 ')"
mouse_button_is 3 8 "key 02 0e 00" || fail "mouse after the import: $(mouse_profile 3 | grep ' button 8 ')"
saved=$bin/option_e2e_saved   # these settings, for the runs from other folders
rm -rf "$saved" && mkdir -p "$saved" && cp "$folder/config.ini" "$folder"/config/Default?.gmp "$saved/"

step "profile 4 named and linked to a program; the program in front switches the mouse to it"
main_key 8
main_key 1                               # NEW: the fields start empty
until_ok 10 window_sized 380x220 >/dev/null || fail "no profile name dialog"
pd=$(window_sized 380x220)
click_in "$pd" skin_profile.ini 1
xdotool type --delay 20 "Arena"
click_in "$pd" skin_profile.ini 2
xdotool type --delay 20 'C:\Games\ArenaGame.exe'
click_in "$pd" skin_profile.ini 4
until_ok 10 bash -c "! xdotool getwindowgeometry $pd >/dev/null 2>&1 || ! xdotool search --onlyvisible --name '' | grep -qx $pd" ||
  fail "profile name dialog stayed open"
main_key 7
apply_and_watch main_key 14
profile_file 3 | grep -q "^name Arena$" || fail "profile 4's name: $(profile_file 3 | grep '^name')"
profile_file 3 | grep -qF 'game C:\Games\ArenaGame.exe' || fail "profile 4's program: $(profile_file 3 | grep '^game')"
active_is 3 || fail "the mouse's active profile is $(mouse_active), expected 3"
cp "$helper" "$folder/arenagame.exe"
start "$folder/arenagame.exe" foreground "Arena game" "$folder/game.txt"
until_ok 30 test -f "$folder/game.txt.ready" || fail "the program did not start"
game=$(window_of "Arena game")
xdotool windowactivate "$game" 2>/dev/null || xdotool windowfocus "$game" 2>/dev/null || true
until_ok 20 active_is 4 || fail "no switch to profile 4 with the program in front (active $(mouse_active))"
wine "$helper" close "Arena game" >/dev/null 2>&1 </dev/null || true
# Option followed Monitor's switch (1255): its next apply keeps profile 4.
apply_and_watch main_key 14
[ "$(config_value CurrentProfile)" = 3 ] || fail "Option did not follow the switch: CurrentProfile $(config_value CurrentProfile)"

step "unplugging the mouse closes Option"
wine "$bin/vmctl.exe" unplug >/dev/null 2>&1 </dev/null || fail "vmctl unplug"
until_ok 15 bash -c "! kill -0 $option_pid 2>/dev/null" || fail "Option still runs after the unplug"
has_window "Osprey Arena" && fail "Option's window is still there"
wine "$helper" monitor-exit >/dev/null 2>&1 </dev/null || fail "Monitor's window is gone"
until_ok 20 bash -c "! xdotool search --name '^Osprey Arena Monitor\$' >/dev/null" || fail "Monitor did not end"

step "without Monitor: the settings from the files; reset all applies with wParam 1"
start_helper monitor "$folder/applies.txt"
start "$folder/Option.exe"
option_pid=${pids[-1]}
until_ok 30 has_window "Osprey Arena" || fail "Option did not open"
sleep 1
focus_main
main_key 14
until_ok 10 file_has "$folder/applies.txt" "apply 0" || fail "no apply request: $(cat "$folder/applies.txt" 2>/dev/null)"
profile_file 2 | grep -q "^button 8 function 5 key 0e options 04$" || fail "the apply lost profile 3's button 8"
profile_file 3 | grep -q "^name Arena$" || fail "the apply lost profile 4's name"
main_key 45
until_ok 10 window_sized 260x150 >/dev/null || fail "no reset-all confirmation"
click_in "$(window_sized 260x150)" skin_reset_all_warn.ini 1
until_ok 10 file_has "$folder/applies.txt" "apply 1" || fail "reset all sent no apply with wParam 1: $(cat "$folder/applies.txt")"
until_ok 10 test "$(config_value CurrentProfile)" = 0 || fail "after reset all CurrentProfile $(config_value CurrentProfile)"
profile_file 2 | grep -q "^button 8 function 0 " || fail "profile 3's button 8 not reset: $(profile_file 2 | grep '^button 8 ')"
profile_file 3 | grep -q "^name Default4$" || fail "profile 4's name not reset: $(profile_file 3 | grep '^name')"
profile_file 3 | grep -q "^game $" || fail "profile 4's program not reset"
main_key 13
until_ok 15 bash -c "! kill -0 $option_pid 2>/dev/null" || fail "Cancel did not close Option"

# ---------------------------------------------------------------------------
# The same programs installed in a folder whose name is outside ASCII, with the
# settings saved above: the mouse gets them from the files there, an apply
# saves there, export and import work there.
other_folder() {
  folder=$bin/$1; wfolder=$(win "$folder")
  step "installation folder $folder"
  wine "$helper" close "Osprey Arena Monitor" >/dev/null 2>&1 </dev/null || true
  wine "$bin/vmctl.exe" quit >/dev/null 2>&1 </dev/null || true
  until_ok 20 bash -c "! xdotool search --name '^Osprey (Virtual Mouse|Arena Monitor)\$' >/dev/null" ||
    fail "the virtual mouse or a Monitor still runs"
  rm -rf "$folder"
  mkdir -p "$folder/config"
  for f in Option.exe Monitor.exe VirtualMouse.exe hiddriver.dll lan.dll; do cp "$bin/$f" "$folder/"; done
  cp -r "$bin/skins" "$folder/skins"
  printf '[Backend]\r\nType=virtual\r\n' >"$folder/hiddriver.ini"
  cp "$saved/config.ini" "$folder/"
  cp "$saved"/Default?.gmp "$folder/config/"

  step "the mouse gets profile 3's Ctrl+K on button 8 from the files there"
  start "$folder/VirtualMouse.exe" --log "$wfolder\\reports.log"
  wine "$bin/vmctl.exe" wait-window 20000 >/dev/null 2>&1 </dev/null || fail "no virtual mouse window: $(last_started)"
  start "$folder/Monitor.exe"
  until_ok 30 test -s "$folder/reports.log" || fail "no first transfer (no report log in the folder)"
  wait_idle
  mouse_button_is 3 8 "key 02 0e 00" || fail "mouse: $(mouse_profile 3 | grep ' button 8 ')"
  active_is 3 || fail "the mouse's active profile is $(mouse_active), expected 3"

  step "Option there: export, change, apply, import"
  start "$folder/Option.exe"
  until_ok 30 has_window "Osprey Arena" || fail "Option did not open"
  sleep 1
  focus_main
  main_key 3
  file_dialog "exported.gmp"             # the dialog opens in config\\
  until_ok 10 test -f "$folder/config/exported.gmp" || fail "nothing exported into the folder"
  profile_file 2 exported.gmp | grep -q "^button 8 function 5 key 0e options 04$" || fail "export: $(profile_file 2 exported.gmp | grep '^button 8 ')"
  pick_function 27 7                      # right click
  main_key 14
  until_ok 30 mouse_button_is 3 8 "mouse 00 f1 00" || fail "mouse after the apply: $(mouse_profile 3 | grep ' button 8 ')"
  wait_idle
  profile_file 2 | grep -q "^button 8 function 5 " && fail "the apply saved nothing into the folder"
  main_key 2
  file_dialog "exported.gmp"
  until_ok 30 mouse_button_is 3 8 "key 02 0e 00" || fail "mouse after the import: $(mouse_profile 3 | grep ' button 8 ')"
  wait_idle
  profile_file 2 | grep -q "^button 8 function 5 key 0e options 04$" || fail "profile file after import: $(profile_file 2 | grep '^button 8 ')"
  main_key 13
  wine "$helper" monitor-exit >/dev/null 2>&1 </dev/null || fail "Monitor's window is gone"
  until_ok 20 bash -c "! xdotool search --name '^Osprey Arena( Monitor)?\$' >/dev/null" || fail "Option or Monitor did not end"
}
other_folder "option_e2e_Réglages Prix€"      # letters of the ANSI code page outside ASCII
other_folder "option_e2e_Настройки 设置"       # letters outside the ANSI code page

echo "option end to end: ok"
