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

# Use the current display, or start a virtual one when there is none.
ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return; fi
  local n=${OSPREY_DISPLAY:-77}
  while [ -e "/tmp/.X11-unix/X$n" ] && ! DISPLAY=:$n xdpyinfo >/dev/null 2>&1; do n=$((n+1)); done
  if ! DISPLAY=:$n xdpyinfo >/dev/null 2>&1; then
    (Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 </dev/null &)
    for _ in $(seq 50); do DISPLAY=:$n xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  fi
  export DISPLAY=:$n
}
