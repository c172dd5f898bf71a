#!/usr/bin/env bash
# Times one command-line run of morvane.exe ("x.mvs" on its command line, through the real
# registry editor) against a bare Win32 program that only sleeps 500 ms, both started the same
# way under the same Wine prefix, and prints the median of each and their ratio (target: at most
# 1.15). Each time is taken inside Wine, from CreateProcess to the process's end.
#   bench/command_line.sh [runs]     (default 9)
set -euo pipefail
source "$(dirname "$0")/../scripts/lib.sh"
runs=${1:-9}

ensure_packages
PACKAGES=(x11-utils); ensure_packages
build windows-x64 morvane launch sleep500 >/dev/null
ensure_display
start_wine
trap stop_wine EXIT

bin="$WIN_BUILD/bin"
setting="$(winpath "$ROOT/examples/quake.mvs")"
time_of() {  # time_of <exe> <argument>: elapsed milliseconds of one run
  wine "$bin/launch.exe" "$(winpath "$bin/$1")" "$2" | awk '/^elapsed_ms/ {print $2}'
}
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

time_of morvane.exe "$setting" >/dev/null  # warm the prefix and the file cache
m=(); s=()
for _ in $(seq "$runs"); do
  m+=("$(time_of morvane.exe "$setting")")
  s+=("$(time_of sleep500.exe -)")
done
mm=$(printf '%s\n' "${m[@]}" | median)
sm=$(printf '%s\n' "${s[@]}" | median)
echo "morvane.exe \"x.mvs\": ${m[*]} ms (median $mm)"
echo "sleep500.exe:        ${s[*]} ms (median $sm)"
awk -v a="$mm" -v b="$sm" 'BEGIN {printf "median ratio %.3f (target <= 1.15)\n", a / b}'
