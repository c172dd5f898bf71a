#!/usr/bin/env bash
# Checks the two release exes as they would ship: the DLLs each imports must all be Windows'
# own, the 32-bit one must import nothing Windows XP lacks, and each must stay under 300 KB.
# Expects both trees built (scripts/test.sh builds them), or names the exes to check:
#   scripts/check_release.sh [exe...]
set -euo pipefail
source "$(dirname "$0")/lib.sh"

# Part of every Windows the exes are meant for.
system_dlls='^(kernel32|user32|gdi32|comctl32|comdlg32|advapi32|shell32|msvcrt|msimg32)\.dll$'
# kernel32 functions that arrived after Windows XP and that a runtime library might pull in.
after_xp='^(GetTickCount64|InitializeSRWLock|AcquireSRWLock.*|ReleaseSRWLock.*|InitializeConditionVariable|SleepConditionVariable.*|WakeConditionVariable|WakeAllConditionVariable|InitOnce.*|Fls(Alloc|Free|GetValue|SetValue)|GetFinalPathNameByHandle.*|CreateSymbolicLink.*|GetSystemTimePreciseAsFileTime|CompareStringEx|LCMapStringEx)$'

status=0
exes=("$@")
((${#exes[@]})) || exes=("$ROOT/build/win64/bin/morvane.exe" "$ROOT/build/win32/bin/morvane.exe")
for exe in "${exes[@]}"; do
  objdump=x86_64-w64-mingw32-objdump
  size=$(stat -c %s "$exe")
  dlls=$($objdump -p "$exe" | awk '/DLL Name:/ {print tolower($3)}' | sort -u)
  echo "${exe#"$ROOT"/}: $size bytes ($((size / 1024)) KB); imports: $(echo $dlls)"
  for dll in $dlls; do
    [[ "$dll" =~ $system_dlls ]] || { echo "  not part of Windows: $dll"; status=1; }
  done
  ((size <= 300 * 1024)) || { echo "  larger than 300 KB"; status=1; }
  if x86_64-w64-mingw32-objdump -f "$exe" | grep -q 'file format pei-i386'; then
    $objdump -p "$exe" | awk '/DLL Name:/ {dll = tolower($3)} NF == 3 && $1 ~ /^[0-9a-f]+$/ {print dll, $3}' |
      while read -r dll fn; do
        if [[ "$fn" =~ $after_xp ]]; then echo "  needs Windows Vista or later: $dll $fn"; exit 1; fi
      done || status=1
    $objdump -p "$exe" | grep -E 'MajorSubsystemVersion|MinorSubsystemVersion' | tr -s ' \t' ' ' | sed 's/^/  /'
  fi
done
((status == 0)) && echo "release check: ok" || echo "release check: FAILED"
exit "$status"
