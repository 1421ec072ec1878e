# Shared by scripts/run and scripts/test: installing what is missing, building, an X display.
# shellcheck shell=bash

WEXLIN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
WEXLIN_JOBS=${WEXLIN_JOBS:-$(nproc)}

wexlin_log() { printf '==> %s\n' "$*" >&2; }

# Debian packages the builds and tests need. Wine's 32-bit half needs the i386 architecture.
WEXLIN_PACKAGES_BUILD=(cmake ninja-build g++ python3 g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools
                       wine wine32:i386 wine64 xvfb xauth x11-utils imagemagick)
WEXLIN_PACKAGES_TEST=(googletest libgtest-dev libgmock-dev libbenchmark-dev clang-14 libclang-rt-14-dev openssl)

wexlin_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

wexlin_install() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  wexlin_log "installing: ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    wexlin_as_root dpkg --add-architecture i386
  fi
  wexlin_as_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive wexlin_as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The program is 32-bit (build/windows). Running it needs a kernel that executes 32-bit Linux
# code for Wine's 32-bit half; some sandboxed kernels cannot. There the same sources are also
# built for x86_64 (build/windows64) and run under 64-bit Wine instead.
# Sets WEXLIN_WINE_BITS (32 or 64), WINELOADER and WEXLIN_RUN_BUILD (the folder to run from).
wexlin_choose_wine() {
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    WEXLIN_WINE_BITS=32 WEXLIN_RUN_BUILD="$WEXLIN_ROOT/build/windows"
    export WINELOADER=/usr/lib/wine/wine
  else
    WEXLIN_WINE_BITS=64 WEXLIN_RUN_BUILD="$WEXLIN_ROOT/build/windows64"
    export WINELOADER=/usr/lib/wine/wine64
    wexlin_log "this kernel cannot run 32-bit code: Wine runs the x86_64 build of the same sources"
  fi
}

wexlin_configure_windows() {  # wexlin_configure_windows [i686|x86_64]
  local arch=${1:-i686} dir="$WEXLIN_ROOT/build/windows"
  [ "$arch" = x86_64 ] && dir="$WEXLIN_ROOT/build/windows64"
  cmake -S "$WEXLIN_ROOT" -B "$dir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$WEXLIN_ROOT/cmake/toolchain-mingw-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
}

wexlin_build() {  # wexlin_build DIR [targets...]
  local dir=$1; shift
  local targets=()
  for t in "$@"; do targets+=(--target "$t"); done
  cmake --build "$dir" -j "$WEXLIN_JOBS" "${targets[@]}"
}

# Wine needs an X server; without a display it hangs instead of failing. Starts Xvfb on a free
# display number and stops it (and our wineserver) when the calling script exits.
wexlin_start_xvfb() {
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  WEXLIN_XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    kill -0 "$WEXLIN_XVFB_PID" 2>/dev/null || { echo "Xvfb failed to start" >&2; return 1; }
    sleep 0.1
  done
  export DISPLAY=":$n"
  wexlin_log "Xvfb on $DISPLAY"
}

wexlin_stop_xvfb() {
  if [ -n "${WEXLIN_XVFB_PID:-}" ]; then
    kill "$WEXLIN_XVFB_PID" 2>/dev/null || true
    wait "$WEXLIN_XVFB_PID" 2>/dev/null || true
    WEXLIN_XVFB_PID=
  fi
}
