#!/usr/bin/env bash
# The main job: build morvane.exe and run it under Wine through the real registry editor, then
# print the driver's six registry values as they then stand.
#   scripts/run.sh                 with a display (DISPLAY set and reachable): opens the window;
#                                  press "Apply" or "Run App", then "Close"
#                                  without one: headless on examples/quake.mvs
#   scripts/run.sh setting-file    headless on that file, as a desktop shortcut would start it
#                                  (`morvane.exe "C:\...\x.mvs"`)
# IMPORT_SECONDS=n: how long the registry import may run on after morvane.exe has ended (60).
set -euo pipefail
source "$(dirname "$0")/lib.sh"

file=${1:-}
IMPORT_SECONDS=${IMPORT_SECONDS:-60}  # how long the import may run on after morvane.exe ends
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
# launch.exe waits for morvane.exe and then for every process it started (the registry editor
# above all), and says which ones were still running when its time was up.
launch=(wine "$WIN_BUILD/bin/launch.exe" --after "$IMPORT_SECONDS")
if $interactive; then
  echo "== morvane.exe (the window is open on $DISPLAY; \"Close\" ends it)"
  launch+=(--bound 0 "$(winpath "$WIN_BUILD/bin/morvane.exe")" -)
else
  echo "== morvane.exe \"$(winpath "$file")\""
  launch+=("$(winpath "$WIN_BUILD/bin/morvane.exe")" "$(winpath "$file")")
fi
status=0
report=$("${launch[@]}" 2>&1) || status=$?
grep -E '^(elapsed_ms|launch:)' <<<"$report" || true
if ((status == 4)) && grep -qi 'regedit' <<<"$report"; then
  echo "== the registry editor had not finished its import $IMPORT_SECONDS s after morvane.exe" \
       "ended: the values it was importing are not known yet, so none are shown" >&2
  exit 1
elif ((status != 0 && status != 4)); then
  echo "== morvane.exe did not run to its end (launch.exe exit status $status)" >&2
  exit 1
fi

echo "== HKEY_LOCAL_MACHINE\\SOFTWARE\\ATI Technologies"
for key in '3D\ATID3D' 'DDHAL'; do
  wine reg query "HKLM\\SOFTWARE\\ATI Technologies\\$key" 2>/dev/null | tr -d '\r' | grep -v '^$' ||
    echo "(no key $key)"
done
