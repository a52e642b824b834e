#!/usr/bin/env bash
# Takes the user manual's screenshots into docs/manual/pictures/, as a user
# meets the programs: the setup program's pages, Option's main dialog with
# each of its five pages, a function menu and the profile dialog, Monitor's
# tray icon with its menu, a notice, and the uninstaller's pages. Runs the
# Windows build (what it needs built first) under Wine in a prefix made fresh
# for it, on a virtual display of its own, with the virtual mouse plugged in.
# The next build sets the manual with them.
set -euo pipefail
source "$(dirname "$0")/common.sh"

install_prerequisites
# What the pictures need, built when missing or out of date: the setup program
# with the programs it installs, the virtual mouse and its control program,
# and the probe that closes windows.
[ -x "$build_native/bin/skingen" ] || { configure_native; cmake --build "$build_native" -j"$(nproc)" --target skingen; }
[ -f "$build_win/build.ninja" ] || configure_win
cmake --build "$build_win" -j"$(nproc)" --target setup setup_probe VirtualMouse vmctl
bin=$build_win/bin
out=$top/docs/manual/pictures
work=$build_win/screenshots
mkdir -p "$out"

# A display and a prefix of their own: nothing else's windows in the pictures.
unset DISPLAY OSPREY_DISPLAY
ensure_display
export WINEPREFIX=$work/prefix WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
wineserver -k 2>/dev/null || true
rm -rf "$work"
mkdir -p "$work"
trap 'wineserver -k 2>/dev/null || true' EXIT
echo "display $DISPLAY, prefix $WINEPREFIX"
wineboot -i >/dev/null 2>&1 </dev/null || true
wineserver -w

start() { (cd "$1" && shift && exec wine "$@" >/dev/null 2>&1 </dev/null) & }
probe() { wine "$bin/setup_probe.exe" "$@" >/dev/null 2>&1 </dev/null; }
window_of() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
window_starting() { xdotool search --onlyvisible --name "^$1" 2>/dev/null | head -n1; }
wait_window() {
  for _ in $(seq 150); do [ -n "$(window_of "$1")" ] && return 0; sleep 0.2; done
  echo "no window '$1'" >&2; return 1
}
wait_gone() {
  for _ in $(seq 150); do [ -z "$(xdotool search --name "^$1\$" 2>/dev/null)" ] && return 0; sleep 0.2; done
  echo "window '$1' stayed" >&2; return 1
}
# shot NAME [WINDOW | GEOMETRY]: a window, or a part of the screen (WxH+X+Y).
# The pictures are kept in the sources: 256 colours without dithering hold
# these flat surfaces at a third of the size, alike to the eye.
shot() {
  sleep 0.6
  if [[ ${2:-} == *x* ]]; then
    import -window root -crop "$2" +repage "$work/shot.png"
  else
    import -window "$2" "$work/shot.png"
  fi
  convert "$work/shot.png" -strip -dither None -colors 256 "png8:$out/$1.png"
  echo "  $1.png"
}
# The middle of a control of a skin file's BUTTONPOS section: "x y".
centre() {
  tr -d '\r' <"$bin/skins/$1" | sed -n "/^\[BUTTONPOS\]/,/^\[/p" | grep -m1 "^$2=" | cut -d= -f2 |
    awk -F, '{ printf "%d %d\n", $2 + $4 / 2, $3 + $5 / 2 }'
}
# Clicks a control of the main dialog, which sits at the screen origin.
main_key() {
  local x y
  read -r x y < <(centre skin_main.ini "$1")
  xdotool mousemove --sync "$x" "$y" click 1
  sleep 0.5
}
# A key to a window of ours.
press() {
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  xdotool key "$2"
  sleep 0.5
}
# The visible window of a size (the skinned dialogs have no title).
window_sized() {
  xdotool search --onlyvisible --name '' 2>/dev/null | while read -r w; do
    xdotool getwindowgeometry "$w" 2>/dev/null | grep -q "Geometry: $1\$" && echo "$w"
  done | head -n1
}
park_pointer() { xdotool mousemove --sync 1270 1010; }
main_shot() { park_pointer; shot "$1" 1000x680+0+0; }

echo "the setup program"
start "$work" "$build_win/OspreyArenaSetup.exe"
wait_window "Osprey Arena Setup"
setup=$(window_of "Osprey Arena Setup")
# A calm desktop colour behind the windows (once Wine has taken the display).
convert -size 8x8 xc:'#35617e' "$work/desktop.png"
display -window root "$work/desktop.png" 2>/dev/null || true
shot setup-welcome "$setup"
press "$setup" Return
shot setup-components "$setup"
press "$setup" Return
shot setup-folder "$setup"
press "$setup" Return
folder=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Local/Programs/"Osprey Arena")
for _ in $(seq 100); do [ -f "$folder/Uninstall.exe" ] && break; sleep 0.2; done
sleep 2
shot setup-finish "$setup"
press "$setup" Return
wait_gone "Osprey Arena Setup"

echo "Monitor with the virtual mouse"
# The setup program started both without the mouse: again, with it.
wait_window "Osprey Arena" && probe close "Osprey Arena"
wait_gone "Osprey Arena"
probe close "Osprey Arena Monitor" || true
wait_gone "Osprey Arena Monitor"
printf '[Backend]\r\nType=virtual\r\n' >"$folder/hiddriver.ini"
start "$work" "$bin/VirtualMouse.exe" --log 'C:\windows\temp\reports.log'
wait_window "Osprey Virtual Mouse"
xdotool windowmove "$(window_of "Osprey Virtual Mouse")" 1270 1010   # out of the pictures
start "$folder" "$folder/Monitor.exe"
wait_window "Wine System Tray"
wine "$bin/vmctl.exe" wait-idle 600 60000 >/dev/null 2>&1 </dev/null || true

echo "Option"
start "$folder" "$folder/Option.exe"
wait_window "Osprey Arena"
sleep 2
main_shot main-buttons
main_key 20
sleep 0.5
shot main-function-menu 1000x680+0+0
xdotool key Escape Escape
sleep 0.3
for page in "37 main-macros" "39 main-performance" "40 main-sensitivity" "38 main-lighting"; do
  main_key "${page%% *}"
  main_shot "${page#* }"
done
main_key 47
main_key 1
sleep 1
profile=$(window_sized 380x220)
shot profile-name "$profile"
read -r x y < <(centre skin_profile.ini 5)
eval "$(xdotool getwindowgeometry --shell "$profile")"
xdotool mousemove --sync $((X + x)) $((Y + y)) click 1
sleep 0.5
main_key 13
wait_gone "Osprey Arena"

echo "the tray and a notice"
tray=$(window_of "Wine System Tray")
eval "$(xdotool getwindowgeometry --shell "$tray")"
# The menu opens at the pointer: at the icon's lower right corner it leaves
# the icon in view.
xdotool mousemove --sync $((X + 17)) $((Y + 17)) click 3
sleep 0.8
shot tray-menu "200x90+$((X > 6 ? X - 6 : 0))+$((Y > 6 ? Y - 6 : 0))"
xdotool key Escape
park_pointer
wine "$bin/vmctl.exe" event 0x0800 3 >/dev/null 2>&1 </dev/null
wait_window "Vantel_Kestrel_Gaming_Mouse_Normal_Overlay"
shot notice "$(window_of "Vantel_Kestrel_Gaming_Mouse_Normal_Overlay")"

echo "the uninstaller"
start "$folder" "$folder/Uninstall.exe"
for _ in $(seq 150); do [ -n "$(window_starting "Osprey Arena Uninstall")" ] && break; sleep 0.2; done
uninstall=$(window_starting "Osprey Arena Uninstall")
press "$uninstall" Return
shot uninstall-components "$uninstall"
probe close "$(xdotool getwindowname "$uninstall")" || true
echo "pictures in $out; build the Windows build again to set the manual with them"
