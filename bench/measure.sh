#!/usr/bin/env bash
# Measures morvane.exe under Wine, each figure the median of several runs in the same prefix,
# every time taken inside Wine from CreateProcess on (tools/launch_win.cpp):
#   command-line  `morvane.exe "x.mvs"` to its end, against bench/sleep500_win.cpp, a bare
#                 program that only sleeps 500 ms (target: ratio at most 1.15)
#   interactive   start until the window is up and idle, against bench/empty_window_win.cpp,
#                 an empty window of the same size (target: ratio at most 1.5)
#   memory        peak working set of both modes
#   size          both release exes (target: 32-bit at most 250 KB, 64-bit at most 300 KB)
#   bench/measure.sh [runs] [command-line|interactive|size ...]     (default: 9 runs, all)
set -euo pipefail
source "$(dirname "$0")/../scripts/lib.sh"
runs=${1:-9}
shift || true
what=("$@")
((${#what[@]})) || what=(command-line interactive size)

ensure_packages
build windows-x64 morvane launch sleep500 empty_window >/dev/null
ensure_display
start_wine
trap stop_wine EXIT

bin="$WIN_BUILD/bin"
setting="$(winpath "$ROOT/examples/quake.mvs")"
# run_once [--until-idle] <exe> <argument>: prints "<elapsed ms> <peak KB>"
run_once() {
  local idle=()
  if [[ $1 == --until-idle ]]; then idle=(--until-idle); shift; fi
  wine "$bin/launch.exe" "${idle[@]}" "$(winpath "$bin/$1")" "$2" | awk '/^elapsed_ms/ {print $2, $6}'
}
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
# compare <label> <target> <launch options and exe/argument pairs for subject, then yardstick>
compare() {
  local label=$1 target=$2 mode=$3 subject=$4 subject_arg=$5 yard=$6 yard_arg=$7
  local opts=(); [[ $mode == idle ]] && opts=(--until-idle)
  run_once "${opts[@]}" "$subject" "$subject_arg" >/dev/null  # warm the prefix and file cache
  local st=() sm=() yt=() ym=()
  for _ in $(seq "$runs"); do
    read -r t m < <(run_once "${opts[@]}" "$subject" "$subject_arg"); st+=("$t"); sm+=("$m")
    read -r t m < <(run_once "${opts[@]}" "$yard" "$yard_arg"); yt+=("$t"); ym+=("$m")
  done
  local a b
  a=$(printf '%s\n' "${st[@]}" | median); b=$(printf '%s\n' "${yt[@]}" | median)
  echo "$label: morvane.exe ${st[*]} ms (median $a); $yard ${yt[*]} ms (median $b)"
  awk -v a="$a" -v b="$b" -v t="$target" -v l="$label" \
    'BEGIN {printf "%s: median ratio %.3f (target <= %s)\n", l, a / b, t}'
  echo "$label: peak memory morvane.exe $(printf '%s\n' "${sm[@]}" | median) KB, $yard $(printf '%s\n' "${ym[@]}" | median) KB"
}

for w in "${what[@]}"; do
  case $w in
    command-line) compare "command-line" 1.15 end morvane.exe "$setting" sleep500.exe - ;;
    interactive) compare "interactive start" 1.5 idle morvane.exe - empty_window.exe - ;;
    size)
      [[ -f "$ROOT/build/win32/bin/morvane.exe" ]] || build windows-x86 morvane >/dev/null
      for pair in "win64 307200" "win32 256000"; do
        read -r tree limit <<<"$pair"
        exe="$ROOT/build/$tree/bin/morvane.exe"
        echo "size: ${exe#"$ROOT"/} $(stat -c %s "$exe") bytes (target <= $limit)"
      done ;;
    *) echo "unknown measurement: $w" >&2; exit 2 ;;
  esac
done
