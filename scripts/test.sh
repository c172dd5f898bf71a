#!/usr/bin/env bash
# All tests: the formats of the sources and scripts, then the portable core natively (ASan + UBSan, then valgrind, then a minute of fuzzing),
# then the Windows tree under Wine (unit tests again, the window, and the built exe end to end),
# again the end-to-end, safe-save and window smoke tests with Wine reporting itself as Windows 98,
# then the 32-bit build, which is compiled and linked but cannot run here, and a check of both
# release exes' imports and sizes, and the release package built from them.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

ensure_packages
cd "$ROOT"

echo "== formats: clang-format and shellcheck"
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${sources[@]}"
mapfile -t shell_scripts < <(git ls-files '*.sh' '*.sh.in' .ci/run)
shellcheck "${shell_scripts[@]}"

echo "== native"
build native
ctest --preset native

echo "== native, under valgrind's memcheck"
bash "$ROOT/scripts/valgrind.sh"

echo "== fuzzing the setting-file reader and the number conversion (60 s)"
bash "$ROOT/scripts/fuzz.sh" 60

echo "== windows x86_64 (under Wine)"
build windows-x64
ensure_display
start_wine
trap stop_wine EXIT
ctest --preset windows-x64

# The same exe on Windows 95, 98 and ME takes the ways chosen by the platform id (the save that
# moves the old file aside); Wine reporting itself as Windows 98 runs them end to end.
echo "== windows x86_64 again, with Wine reporting itself as Windows 98"
use_wine_version win98
start_wine
ctest --preset windows-x64 -R '^(CommandLine|StartedPrograms|SafeSave|RealHostWindow)'

echo "== windows i686 (build only)"
build windows-x86

echo "== release exes"
bash "$ROOT/scripts/check_release.sh"

echo "== release package"
bash "$ROOT/scripts/package.sh"
