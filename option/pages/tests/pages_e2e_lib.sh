# Sourced by the pages' end-to-end scripts: Option.exe, Monitor.exe and the
# virtual mouse as real processes in an installation folder of their own,
# driven by real pointer and key events from the X server (xdotool) at the
# skins' coordinates (the main dialog sits at the screen origin, its pages at
# its key 42). The helper program (pages_e2e_helper_win32) reads what needs
# Win32: the profile file, the shared block, the system settings, windows.
#
#   pages_e2e_init HELPER NAME   the installation folder is bin/NAME; the
#                                screenshots go to OSPREY_E2E_SHOTS when set
#   make_installation            a fresh installation folder, made current
#   start_all                    the virtual mouse, Monitor, then Option
#                                (start_mouse_and_monitor, start_option)

pages_e2e_init() {
  bin=$(cd "$(dirname "$1")" && pwd)
  helper=$bin/$(basename "$1")
  command -v xdotool >/dev/null || { echo "xdotool missing"; exit 1; }
  [ -n "${DISPLAY:-}" ] || { echo "no DISPLAY"; exit 1; }
  folder=$bin/$2
  failure_shot=$2_failure
  wfolder=$(win "$folder")
  shots=${OSPREY_E2E_SHOTS:-}
  pids=()
  trap cleanup EXIT
}

win() { local p=${1//\//\\}; echo "Z:$p"; }

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

shot() { [ -z "$shots" ] || { mkdir -p "$shots"; import -window root "$shots/$1.png" 2>/dev/null || true; }; }
fail() { echo "FAILED: $*"; shot "$failure_shot"; exit 1; }
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
# Asked once more when the helper says no, for the same reason as read_helper.
idle() {
  wine "$helper" idle >/dev/null 2>&1 </dev/null && return 0
  echo "Option did not settle at the first asking" >&2
  wine "$helper" idle >/dev/null 2>&1 </dev/null || fail "Option did not settle"
}

# A key of a skin's BUTTONPOS section (name,x,y,w,h,text): "x y w h".
rect() {
  tr -d '\r' <"$bin/skins/$1" | sed -n "/^\[BUTTONPOS\]/,/^\[/p" | grep -m1 "^$2=" | cut -d= -f2 |
    awk -F, '{ print $2, $3, $4, $5 }'
}
# Puts the pointer on a screen point for a click. It waits until the window
# that kept the capture to follow its hover has seen the pointer leave: it
# would take the click otherwise.
aim() {
  xdotool mousemove --sync $(($1 + 1)) "$2"
  idle
  xdotool mousemove --sync "$1" "$2"
  idle
  local held
  held=$(wine "$helper" settled "$1" "$2" 2>&1 </dev/null) || fail "the capture stays elsewhere: $held"
}
# A click (button 1, or the third argument) at a screen point.
click() {
  aim "$1" "$2"
  xdotool click "${3:-1}"
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

# The visible window of a size, WxH (the skinned dialogs have no title).
window_sized() {
  local w
  for w in $(xdotool search --onlyvisible --name "" 2>/dev/null); do
    xdotool getwindowgeometry "$w" 2>/dev/null | grep -q "Geometry: $1\$" && { echo "$w"; return 0; }
  done
  return 1
}
window_closed() { ! xdotool search --onlyvisible --name "" 2>/dev/null | grep -qx "$1"; }
# The colour dialog (360 x 240, top-level): its window and origin.
colour_dialog() { window_sized 360x240; }
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
# Under Wine a helper was seen, rarely, to end with no text where it always
# writes one (a file read): such a read is made once more, and the log says
# so. What is at a point or whether a menu is open may rightly be "nothing"
# (exit 1): that is an answer.
read_helper() { # command args... -> the text the helper wrote
  local rc try
  for try in 1 2; do
    rm -f "$folder/out.txt"
    wine "$helper" "$@" "$wfolder\\out.txt" >/dev/null 2>"$folder/helper.err" </dev/null && rc=0 || rc=$?
    if [ "$rc" = 0 ] && [ -f "$folder/out.txt" ]; then
      tr -d '\r' <"$folder/out.txt"
      return 0
    fi
    case "$1:$rc" in text-at:1 | menu-open:1 | *:2) return 1 ;; esac
    echo "the helper's '$1' (try $try) ended with $rc and wrote nothing: $(tail -n 3 "$folder/helper.err")" >&2
  done
  return 1
}
expect_line() { # text, line: fails unless the text holds the line
  grep -qx -- "$2" <<<"$1" || fail "expected '$2' in:"$'\n'"$1"
}
# Waits until the mouse has received no report for 600 ms: a transfer pauses
# 200 ms at most between reports.
wait_transfer() { wine "$bin/vmctl.exe" wait-idle 600 60000 >/dev/null 2>&1 </dev/null; }
apply() {
  click_main 14
  wait_transfer
}

make_installation() {
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
}

start_all() {
  step "the virtual mouse, Monitor and Option"
  start_mouse_and_monitor
  start_option
}
# Under Wine a program was seen, rarely, to end at its start without showing
# its window: the virtual mouse is then started once more, and the log says so.
start_virtual_mouse() {
  local try
  for try in 1 2; do
    start "$bin/VirtualMouse.exe" --log "$wfolder\\reports.log"
    wine "$bin/vmctl.exe" wait-window 20000 >/dev/null 2>&1 </dev/null && return 0
    kill -0 "${pids[-1]}" 2>/dev/null && fail "no virtual mouse window: its program runs"
    echo "the virtual mouse (try $try) ended without a window" >&2
  done
  fail "no virtual mouse window: its program ended twice"
}
# Monitor's first transfer done.
start_mouse_and_monitor() {
  start_virtual_mouse
  start "$folder/Monitor.exe"
  until_ok 30 has_window "Osprey Arena Monitor" || fail "Monitor did not start"
  until_ok 30 test -s "$folder/reports.log" || fail "no first transfer"
  wait_transfer
}
start_option() {
  start "$folder/Option.exe"
  until_ok 30 has_window "Osprey Arena" || fail "Option did not open"
  idle
  xdotool windowfocus --sync "$(window_of "Osprey Arena")" 2>/dev/null || true
  # The page's origin on the screen: main key 42.
  read -r px py _ < <(rect skin_main.ini 42)
}
