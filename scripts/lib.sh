# Shared by the scripts: packages, builds, a display and the Wine prefix.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=scripts/wine_env.sh
source "$ROOT/scripts/wine_env.sh"
WIN_BUILD="$ROOT/build/win64"
export WINEPREFIX="$WIN_BUILD/wineprefix"

PACKAGES=(cmake ninja-build g++ googletest g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-win32
          wine wine64 fonts-wine xvfb x11-utils imagemagick valgrind clang libclang-rt-14-dev
          clang-format shellcheck)

# Installs whatever of PACKAGES is missing (Debian, as root).
ensure_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "== installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

build() {  # build <preset> [targets...]
  local preset=$1; shift
  cmake --preset "$preset" >/dev/null
  if (($#)); then
    cmake --build --preset "$preset" --target "$@"
  else
    cmake --build --preset "$preset"
  fi
}

XVFB_PID=""
# Gives the Windows programs a display: the caller's own, or a private Xvfb.
ensure_display() {
  if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then return; fi
  local n=90
  while [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$n ]] && break; sleep 0.1; done
}

# Selects the prefix in which Wine reports itself as an older Windows (win98, say), as the
# build tree's wine.sh does for the same MORVANE_WINE_VERSION; start_wine then creates it.
use_wine_version() {
  export MORVANE_WINE_VERSION=$1
  export WINEPREFIX="$WIN_BUILD/wineprefix-$1"
}

# Creates the prefix if need be and keeps its wineserver running until stop_wine.
start_wine() {
  if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    echo "== creating the Wine prefix${MORVANE_WINE_VERSION:+ ($MORVANE_WINE_VERSION)}"
  fi
  sh "$ROOT/scripts/prepare_prefix.sh" "$WINEPREFIX"
  wineserver -p 2>/dev/null || true  # already running is fine
  # Wine's background services start with the first program and live on. Start them here, with
  # their output going nowhere: started under ctest they would inherit its pipes and keep a
  # test's output open long after the test itself has ended.
  wine cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
}

stop_wine() {
  wineserver -k 2>/dev/null || true
  if [[ -n "${MORVANE_WINE_VERSION:-}" ]]; then
    WINEPREFIX="$WIN_BUILD/wineprefix" wineserver -k 2>/dev/null || true
  fi
  if [[ -n "$XVFB_PID" ]]; then kill "$XVFB_PID" 2>/dev/null || true; fi
}

# A Linux path as Wine's programs see it.
winpath() { printf 'Z:%s' "$(realpath "$1" | sed 's|/|\\|g')"; }
