#!/usr/bin/env bash
# The main job: build morvane.exe, run it headless under Wine on a setting file, as a desktop
# shortcut would (`morvane.exe "C:\...\x.mvs"`), through the real registry editor, and print
# the driver's six registry values as they then stand.
#   scripts/run.sh [setting-file]      (default: examples/quake.mvs)
set -euo pipefail
source "$(dirname "$0")/lib.sh"

file=${1:-$ROOT/examples/quake.mvs}
[[ -f "$file" ]] || { echo "no such setting file: $file" >&2; exit 2; }

ensure_packages
x11=(x11-utils); PACKAGES=("${x11[@]}"); ensure_packages
build windows-x64 morvane launch >/dev/null
ensure_display
start_wine
trap stop_wine EXIT

# Start from no driver keys at all, so that what is printed is what this run imported.
wine reg delete "HKLM\\SOFTWARE\\ATI Technologies" /f >/dev/null 2>&1 || true
echo "== morvane.exe \"$(winpath "$file")\""
wine "$WIN_BUILD/bin/launch.exe" "$(winpath "$WIN_BUILD/bin/morvane.exe")" "$(winpath "$file")"
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
