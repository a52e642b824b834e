# Sourced by the tools: paths, prerequisites, the Wine prefix and a display.
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_native=${OSPREY_BUILD:-$top/build}/native
build_win=${OSPREY_BUILD:-$top/build}/win
build_fuzz=${OSPREY_BUILD:-$top/build}/fuzz
export WINEPREFIX=${WINEPREFIX:-$build_win/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko prompts in a fresh prefix.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

packages=(cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
          mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine wine64
          xvfb xdotool x11-utils imagemagick libcairo2-dev libjpeg-dev fonts-dejavu-core
          nsis groff libtiff-tools poppler-utils)

install_prerequisites() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "installing: ${missing[*]}"
    local sudo=; [ "$(id -u)" = 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

configure_native() {
  cmake -G Ninja -S "$top" -B "$build_native" -DOSPREY_SANITIZE=ON >/dev/null
}
configure_win() {
  cmake -G Ninja -S "$top" -B "$build_win" \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" \
    -DOSPREY_SKINGEN="$build_native/bin/skingen" -DOSPREY_WINEPREFIX="$WINEPREFIX" >/dev/null
}

# A prefix of our own, initialised once; the server is started detached and
# warmed, because a cold server costs seconds per program and starting it from
# inside ctest was seen to hang.
prepare_wine() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 </dev/null || true
    wineserver -w
  fi
  (wineserver -p >/dev/null 2>&1 </dev/null &)
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

# Use the current display; else OSPREY_DISPLAY when it is given and answers
# (the caller asked for that one); else a virtual display of our own. Another
# run's display is never taken by chance: its pointer and keys would land in
# that run's windows.
ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return; fi
  local n
  if [ -n "${OSPREY_DISPLAY:-}" ]; then
    n=$OSPREY_DISPLAY
    if ! DISPLAY=:$n xdpyinfo >/dev/null 2>&1; then
      # Kept after we end, as the caller's display; a stale lock or socket
      # of a dead server Xvfb clears itself.
      start_xvfb "$n" || { echo "display :$n is taken and does not answer" >&2; return 1; }
    fi
  else
    # The first number that no server holds or held; ended with this shell.
    n=77
    until [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ] && start_xvfb "$n" "$$"; do
      n=$((n+1))
      [ "$n" -lt 177 ] || { echo "no virtual display could be started" >&2; return 1; }
    done
  fi
  export DISPLAY=:$n
}

# start_xvfb N [PID]: an Xvfb of ours on :N, ready; it ends when PID does.
# Fails when the number is taken, also by a run that took it just now: the
# server's lock file names the process that holds it.
start_xvfb() {
  Xvfb ":$1" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
  local xvfb=$!
  disown "$xvfb" 2>/dev/null || true
  for _ in $(seq 100); do
    kill -0 "$xvfb" 2>/dev/null || return 1
    if DISPLAY=:$1 xdpyinfo >/dev/null 2>&1; then
      [ "$(tr -d ' \n' <"/tmp/.X$1-lock" 2>/dev/null)" = "$xvfb" ] || { kill "$xvfb" 2>/dev/null; return 1; }
      [ -z "${2:-}" ] ||
        (while kill -0 "$2" 2>/dev/null; do sleep 1; done; kill "$xvfb" 2>/dev/null) >/dev/null 2>&1 </dev/null &
      return 0
    fi
    sleep 0.1
  done
  kill "$xvfb" 2>/dev/null
  return 1
}
