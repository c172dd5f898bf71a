#!/usr/bin/env bash
# The main job: build morvane.exe and run it under Wine through the real registry editor, then
# print the driver's six registry values as they then stand.
#   scripts/run.sh                 with a display (DISPLAY set and reachable): opens the window;
#                                  press "Apply" or "Run App", then "Close"
#                                  without one: headless on examples/quake.mvs
#   scripts/run.sh setting-file    headless on that file, as a desktop shortcut would start it
#                                  (`morvane.exe "C:\...\x.mvs"`)
set -euo pipefail
source "$(dirname "$0")/lib.sh"

file=${1:-}
[[ -z "$file" || -f "$file" ]] || { echo "no such setting file: $file" >&2; exit 2; }

ensure_packages
build windows-x64 morvane launch >/dev/null
interactive=false
if [[ -z "$file" ]]; then
  if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
    interactive=true
  else
    file="$ROOT/examples/quake.mvs"
  fi
fi
ensure_display
start_wine
trap stop_wine EXIT

# Start from no driver keys at all, so that what is printed is what this run imported.
wine reg delete "HKLM\\SOFTWARE\\ATI Technologies" /f >/dev/null 2>&1 || true
if $interactive; then
  echo "== morvane.exe (the window is open on $DISPLAY; \"Close\" ends it)"
  wine "$WIN_BUILD/bin/morvane.exe"
else
  echo "== morvane.exe \"$(winpath "$file")\""
  wine "$WIN_BUILD/bin/launch.exe" "$(winpath "$WIN_BUILD/bin/morvane.exe")" "$(winpath "$file")"
fi
# The registry editor runs on after morvane.exe has ended; give it a moment to finish.
for _ in $(seq 50); do
  pgrep -f 'regedit' >/dev/null || break
  sleep 0.2
done

echo "== HKEY_LOCAL_MACHINE\\SOFTWARE\\ATI Technologies"
for key in '3D\ATID3D' 'DDHAL'; do
  wine reg query "HKLM\\SOFTWARE\\ATI Technologies\\$key" 2>/dev/null | tr -d '\r' | grep -v '^$' ||
    echo "(no key $key)"
done
