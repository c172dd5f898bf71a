#!/usr/bin/env bash
# Checks the two release exes as they would ship. Both: only Windows' own DLLs, the lowest system
# version the loader is told to accept, and a size bound. The 32-bit exe, which must start on
# every 32-bit Windows from 95 to 11: each function it imports must be in scripts/win32-imports.txt
# as present on Windows 95. The 64-bit exe: nothing that 64-bit Windows XP lacks.
# Expects both trees built (scripts/test.sh builds them), or names the exes to check:
#   scripts/check_release.sh [exe...]
set -euo pipefail
source "$(dirname "$0")/lib.sh"

objdump=x86_64-w64-mingw32-objdump
allowed_dlls='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|advapi32|msvcrt)\.dll$'
# kernel32 functions that arrived after Windows XP and that a runtime library might pull in.
after_xp='^(GetTickCount64|InitializeSRWLock|AcquireSRWLock.*|ReleaseSRWLock.*|InitializeConditionVariable|SleepConditionVariable.*|WakeConditionVariable|WakeAllConditionVariable|InitOnce.*|Fls(Alloc|Free|GetValue|SetValue)|GetFinalPathNameByHandle.*|CreateSymbolicLink.*|GetSystemTimePreciseAsFileTime|CompareStringEx|LCMapStringEx)$'
allow_list="$ROOT/scripts/win32-imports.txt"

# "dll function" for each imported function, the DLL's name in lower case without ".dll".
imports() {
  $objdump -p "$1" | awk '
    /DLL Name:/ { dll = tolower($3); sub(/\.dll$/, "", dll) }
    /^[ \t]+vma:/ { next }
    dll != "" && NF == 3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ { print dll, $3 }'
}

header() { $objdump -p "$1" | awk -v f="$2" '$1 == f {print $2}'; }

status=0
fail() { echo "  $*"; status=1; }

check_versions() {  # exe, highest allowed major.minor as "M m"
  local exe=$1 max_major=$2 max_minor=$3 kind major minor
  for kind in Subsystem OSystem; do
    major=$(header "$exe" "Major${kind}Version")
    minor=$(header "$exe" "Minor${kind}Version")
    echo "  ${kind/OSystem/OS} version $major.$minor"
    if ((major > max_major || (major == max_major && minor > max_minor))); then
      fail "asks for more than Windows $max_major.$max_minor"
    fi
  done
}

exes=("$@")
((${#exes[@]})) || exes=("$ROOT/build/win64/bin/morvane.exe" "$ROOT/build/win32/bin/morvane.exe")
for exe in "${exes[@]}"; do
  size=$(stat -c %s "$exe")
  dlls=$($objdump -p "$exe" | awk '/DLL Name:/ {print tolower($3)}' | sort -u)
  echo "${exe#"$ROOT"/}: $size bytes ($((size / 1024)) KB); imports: ${dlls//$'\n'/ }"
  for dll in $dlls; do
    [[ "$dll" =~ $allowed_dlls ]] || fail "not one of the allowed Windows DLLs: $dll"
  done
  if $objdump -f "$exe" | grep -q 'file format pei-i386'; then
    ((size <= 250 * 1024)) || fail "larger than 250 KB"
    check_versions "$exe" 4 0
    while read -r dll fn; do
      since=$(awk -v d="$dll" -v f="$fn" '$1 == d && $2 == f {print $3; exit}' "$allow_list")
      case "$since" in
        95 | nt4) ;;
        "") fail "not in scripts/win32-imports.txt: $dll $fn" ;;
        *) fail "needs Windows $since, so Windows 95 would not start: look $dll $fn up at run time" ;;
      esac
    done < <(imports "$exe")
  else
    ((size <= 300 * 1024)) || fail "larger than 300 KB"
    check_versions "$exe" 5 2
    while read -r dll fn; do
      [[ "$fn" =~ $after_xp ]] && fail "needs Windows Vista or later: $dll $fn"
    done < <(imports "$exe")
  fi
done
((status == 0)) && echo "release check: ok" || echo "release check: FAILED"
exit "$status"
