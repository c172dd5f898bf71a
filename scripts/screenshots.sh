#!/usr/bin/env bash
# Renders each of the three tabs to docs/tab-<n>-<name>-<dpi>dpi.png under Xvfb at 96 DPI, and
# the three again at 144 DPI, each inside a Wine virtual desktop so that Wine draws caption and
# frame.
#   scripts/screenshots.sh
set -euo pipefail
source "$(dirname "$0")/lib.sh"

ensure_packages
build windows-x64 morvane select_tab >/dev/null
ensure_display
start_wine
trap 'wine reg delete "HKCU\\Control Panel\\Desktop" /v LogPixels /f >/dev/null 2>&1 || true; stop_wine' EXIT

bin="$WIN_BUILD/bin"
names=(welcome settings correction)
shoot() {  # shoot <dpi> <tab>
  local dpi=$1 tab=$2
  local out="$ROOT/docs/tab-$((tab + 1))-${names[$tab]}-${dpi}dpi.png"
  wine reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  timeout 60 wine explorer /desktop=shot,640x600 "$bin/select_tab.exe" "$(winpath "$bin/morvane.exe")" "$tab" 5000 >/dev/null 2>&1 &
  local pid=$!
  sleep 4
  import -window root -crop 640x600+0+0 +repage "$out"
  wait "$pid" || true
  echo "wrote ${out#"$ROOT"/}"
}
mkdir -p "$ROOT/docs"
for tab in 0 1 2; do shoot 96 "$tab"; done
for tab in 0 1 2; do shoot 144 "$tab"; done
