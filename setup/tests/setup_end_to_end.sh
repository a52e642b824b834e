#!/usr/bin/env bash
# The setup program end to end, in a Wine prefix made fresh for it (a user's
# first logon): a silent install with the virtual mouse; Monitor started by
# the command of its Run value; a profile changed through Option's Apply; a
# silent upgrade by a newer build while Monitor and Option run; a silent
# uninstall; then the bad cases: a folder that can't be written, a folder
# named outside ASCII, and a Monitor that won't close.
# Arguments: setup program, probe program, makensis, the .nsi script, the
# icons folder, settings/system_names.h.
set -euo pipefail
setup=$(realpath "$1"); probe=$(realpath "$2"); makensis=$3; script=$4; icons=$5; names_h=$6
bin=$(dirname "$probe")
work=$(dirname "$setup")/setup_e2e
command -v xdotool >/dev/null || { echo "xdotool missing"; exit 1; }
[ -n "${DISPLAY:-}" ] || { echo "no DISPLAY"; exit 1; }

export WINEPREFIX=$work/prefix WINEDEBUG=-all
# No Mono or Gecko prompts, and no menu entries on the Linux desktop.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\OspreyArena'
run_value="Osprey Arena Monitor"

fail() { echo "FAILED: $*"; exit 1; }
step() { echo "== [${SECONDS}s] $*"; }
cleanup() {
  rm -f "$work/stubborn.up"
  wineserver -k 2>/dev/null || true
}
trap cleanup EXIT

until_ok() {
  local limit=$1; shift
  local end=$((SECONDS + limit))
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.2
  done
}
probe() { wine "$probe" "$@" >/dev/null 2>&1 </dev/null; }
# probe_out VERB ARGS...: the probe's text (it writes into out.txt).
probe_out() {
  rm -f "$work/out.txt"
  probe "$@" "$work/out.txt" || return 1
  tr -d '\r' <"$work/out.txt"
}
window_of() { probe_out window "$1"; }
has_window() { probe window "$1" "$work/out.txt"; }
no_window() { ! has_window "$1"; }
entry() { probe_out values "$uninstall_key" | sed -n "s/^$1=//p"; }
# A Windows path as the Linux path it stands for.
unix_path() { winepath -u "$1" 2>/dev/null | tr -d '\r'; }
start() { (cd "$1" && shift && exec wine "$@" >/dev/null 2>&1 </dev/null) & }
settings_sums() { (cd "$folder" && md5sum config.ini config/*.gmp config/sequence.dat); }

# Clicks at the skin's coordinates: the main dialog sits at the screen origin.
centre() {
  tr -d '\r' <"$folder/skins/skin_main.ini" | sed -n "/^\[BUTTONPOS\]/,/^\[/p" | grep -m1 "^$1=" |
    cut -d= -f2 | awk -F, '{ printf "%d %d\n", $2 + $4 / 2, $3 + $5 / 2 }'
}
main_key() {
  local x y
  read -r x y < <(centre "$1")
  xdotool mousemove --sync "$x" "$y"; sleep 0.15
  xdotool click 1; sleep 0.3
}

# ---------------------------------------------------------------------------
step "a fresh prefix"
wineserver -k 2>/dev/null || true
rm -rf "$work"
mkdir -p "$work"
wineboot -i >/dev/null 2>&1 </dev/null || true
wineserver -w
(wineserver -p >/dev/null 2>&1 </dev/null &)

step "silent install with the virtual mouse"
wine "$setup" /S /VIRTUALMOUSE </dev/null >/dev/null 2>&1 || fail "the setup program ended with $?"
location=$(entry InstallLocation)
folder=$(unix_path "$location")
[ -d "$folder" ] || fail "no installation folder ($location)"
case "$location" in
  *'\AppData\Local\Programs\Osprey Arena') ;;
  *) fail "installed into $location, not the user's local programs folder" ;;
esac
for f in Option.exe Monitor.exe Overlay.exe hiddriver.dll lan.dll "User Manual.pdf" Uninstall.exe \
         VirtualMouse.exe vmctl.exe hiddriver.ini skins/skin_main.ini; do
  [ -f "$folder/$f" ] || fail "$f missing"
done
cmp -s "$bin/Option.exe" "$folder/Option.exe" || fail "Option.exe is not the built one"
for f in Option.exe Monitor.exe; do probe icon "$location\\$f" || fail "$f has no icon 128"; done
[ "$(ls "$bin/skins" | wc -l)" = "$(ls "$folder/skins" | wc -l)" ] || fail "skins folder incomplete"
[ ! -e "$folder/config.ini" ] && [ ! -e "$folder/config" ] || fail "the setup program wrote settings"

step "the list entry"
for key in DisplayName DisplayVersion Publisher DisplayIcon UninstallString QuietUninstallString EstimatedSize; do
  [ -n "$(entry $key)" ] || fail "entry without $key"
done
[ "$(entry DisplayName)" = "Osprey Arena" ] || fail "DisplayName $(entry DisplayName)"
[ "$(entry DisplayIcon)" = "\"$location\\Option.exe\",0" ] || fail "DisplayIcon $(entry DisplayIcon)"
[ "$(entry UninstallString)" = "\"$location\\Uninstall.exe\"" ] || fail "UninstallString $(entry UninstallString)"
[ "$(entry EstimatedSize)" -gt 1000 ] || fail "EstimatedSize $(entry EstimatedSize)"
old_version=$(entry DisplayVersion)

step "the Start-menu shortcuts"
menu=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/"Start Menu"/Programs/"Osprey Arena")
lnk() { probe_out shortcut "$(winepath -w "$menu/$1" 2>/dev/null | tr -d '\r')"; }
[ "$(lnk "Osprey Arena.lnk")" = "$location\\Option.exe" ] || fail "Option's shortcut: $(lnk "Osprey Arena.lnk")"
[ "$(lnk "Uninstall Osprey Arena.lnk")" = "$location\\Uninstall.exe" ] || fail "the uninstaller's shortcut"
[ "$(lnk "User Manual.lnk")" = "$location\\User Manual.pdf" ] || fail "the manual's shortcut"

step "the Run value starts Monitor, with its tray icon against the virtual mouse"
# The virtual mouse of the build: one running from the installation folder
# would hold its files, and the upgrade would rightly refuse to go on.
start "$work" "$bin/VirtualMouse.exe" --log "$(winepath -w "$work/reports.log" 2>/dev/null | tr -d '\r')"
wine "$bin/vmctl.exe" wait-window 20000 >/dev/null 2>&1 </dev/null || fail "no virtual mouse"
[ "$(probe_out run-value "$run_value")" = "\"$location\\Monitor.exe\"" ] || fail "Run value: $(probe_out run-value "$run_value")"
until_ok 30 has_window "Osprey Arena Monitor" || fail "Monitor did not come up"
until_ok 30 probe tray || fail "no tray icon"
wine "$bin/vmctl.exe" wait-idle 600 60000 >/dev/null 2>&1 </dev/null || fail "the first transfer did not end"
old_monitor=$(window_of "Osprey Arena Monitor")

step "a profile changed through Option's Apply, with a macro in the store"
probe macro-store "$location" || fail "no macro store"
start "$folder" "$folder/Option.exe"
until_ok 30 has_window "Osprey Arena" || fail "Option did not open"
sleep 1
option_window=$(xdotool search --name '^Osprey Arena$' | head -n1)
xprop -id "$option_window" _NET_WM_ICON | grep -q 'Icon (16 x 16)' || fail "Option's window has no small icon"
xprop -id "$option_window" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || fail "Option's window has no large icon"
main_key 6                                     # profile 2
main_key 27                                    # button 8's function menu
sleep 0.3
for _ in $(seq 7); do xdotool key Down; sleep 0.05; done
xdotool key Return; sleep 0.3                  # right click
main_key 14                                    # Apply
until_ok 30 test -f "$folder/config/Default4.gmp" || fail "Apply saved no profiles"
wine "$bin/vmctl.exe" wait-idle 600 60000 >/dev/null 2>&1 </dev/null || fail "the transfer did not end"
tr -d '\r' <"$folder/config.ini" | grep -q '^CurrentProfile=1$' || fail "config.ini: profile 2 is not current"
grep -q "Upgrade check" "$folder/config/sequence.dat" 2>/dev/null ||
  grep -q "557067726164652063686563" "$folder/config/sequence.dat" || fail "the macro store lost its macro"
sleep 1
before=$(settings_sums)

step "a newer build of the setup program, silently, while Monitor and Option run"
staging=$work/newer
mkdir -p "$staging"
cp -r "$bin/skins" "$staging/"
for f in Option.exe Monitor.exe Overlay.exe hiddriver.dll lan.dll "User Manual.pdf" VirtualMouse.exe vmctl.exe; do
  cp "$bin/$f" "$staging/"
done
# Bytes after the end of a program file change nothing in how it runs.
for f in Option.exe Monitor.exe; do printf 'newer build' >>"$staging/$f"; done
# zlib: a third of the time of the real build's compression.
"$makensis" -V1 '-XSetCompressor /FINAL zlib' -DVERSION=9.9.9 "-DBIN_DIR=$staging" "-DICON_DIR=$icons" "-DNAMES_H=$names_h" \
  "-DOUTFILE=$work/newer-setup.exe" "$script" || fail "makensis"
echo "newer build made at ${SECONDS}s"
wine "$work/newer-setup.exe" /S </dev/null >/dev/null 2>&1 || fail "the upgrade ended with $?"
echo "upgrade done at ${SECONDS}s"
no_window "Osprey Arena" || fail "Option still runs"
for f in Option.exe Monitor.exe; do cmp -s "$staging/$f" "$folder/$f" || fail "$f was not replaced"; done
[ "$(entry DisplayVersion)" = 9.9.9 ] || fail "DisplayVersion $(entry DisplayVersion), was $old_version"
until_ok 30 has_window "Osprey Arena Monitor" || fail "Monitor was not started again"
[ "$(window_of "Osprey Arena Monitor")" != "$old_monitor" ] || fail "Monitor was not closed"
until_ok 30 probe tray || fail "no tray icon after the upgrade"
wine "$bin/vmctl.exe" wait-idle 600 60000 >/dev/null 2>&1 </dev/null || true
[ "$(settings_sums)" = "$before" ] || fail "settings changed: $(settings_sums)"

step "silent uninstall"
wine "$folder/Uninstall.exe" /S </dev/null >/dev/null 2>&1 || fail "the uninstaller ended with $?"
# The uninstaller runs on from a copy of itself.
until_ok 60 test ! -e "$folder/Uninstall.exe" || fail "the uninstaller did not finish"
until_ok 20 no_window "Osprey Arena Monitor" || fail "Monitor still runs"
for f in Option.exe Monitor.exe Overlay.exe hiddriver.dll lan.dll "User Manual.pdf" VirtualMouse.exe vmctl.exe \
         hiddriver.ini skins; do
  [ ! -e "$folder/$f" ] || fail "$f is left"
done
[ ! -e "$menu" ] || fail "the Start-menu folder is left"
probe_out run-value "$run_value" >/dev/null && fail "the Run value is left"
probe values "$uninstall_key" "$work/out.txt" && fail "the list entry is left"
[ "$(settings_sums)" = "$before" ] || fail "the settings did not stay"

step "folders that can't be written: nothing installed"
ln -s /proc "$WINEPREFIX/dosdevices/r:"          # a drive that takes no files, not even root's
touch "$WINEPREFIX/drive_c/blocked"
for target in 'R:\Osprey' 'C:\blocked\Osprey'; do
  code=0; wine "$setup" /S "/D=$target" </dev/null >/dev/null 2>&1 || code=$?
  [ "$code" = 3 ] || fail "installing into $target ended with $code"
  probe values "$uninstall_key" "$work/out.txt" && fail "a list entry was written for $target"
done

step "a folder named outside ASCII; an upgrade while Monitor won't close changes nothing"
location='C:\Jeux_Réglages_设置\Osprey'
wine "$setup" /S "/D=$location" </dev/null >/dev/null 2>&1 || fail "install into $location ended with $?"
folder=$(unix_path "$location")
[ -f "$folder/Monitor.exe" ] && [ -f "$folder/skins/skin_main.ini" ] || fail "files missing in $folder"
[ "$(entry InstallLocation)" = "$location" ] || fail "InstallLocation $(entry InstallLocation)"
[ "$(probe_out run-value "$run_value")" = "\"$location\\Monitor.exe\"" ] || fail "Run value there"
until_ok 30 has_window "Osprey Arena Monitor" || fail "Monitor did not come up from $location"
probe close "Osprey Arena Monitor" || true    # the one the Run value just started
until_ok 20 no_window "Osprey Arena Monitor" || fail "Monitor did not end"
start "$work" "$probe" stubborn "Osprey Arena Monitor" "$(winepath -w "$work/stubborn.up" 2>/dev/null | tr -d '\r')"
until_ok 20 test -f "$work/stubborn.up" || fail "no stand-in"
code=0; wine "$work/newer-setup.exe" /S "/D=$location" </dev/null >/dev/null 2>&1 || code=$?
[ "$code" != 0 ] || fail "the upgrade reported success"
cmp -s "$bin/Monitor.exe" "$folder/Monitor.exe" || fail "Monitor.exe was replaced"
[ "$(entry DisplayVersion)" = "$old_version" ] || fail "the entry was updated"
rm -f "$work/stubborn.up"
until_ok 20 no_window "Osprey Arena Monitor" || fail "the stand-in did not end"
wine "$folder/Uninstall.exe" /S </dev/null >/dev/null 2>&1 || fail "the uninstaller ended with $?"
# What Monitor saved there when the Run value started it stays.
only_settings_left() { [ "$(ls -A "$folder")" = config.ini ]; }
until_ok 60 only_settings_left || fail "left in the folder: $(ls -A "$folder")"

echo "setup end to end: ok (${SECONDS}s)"
