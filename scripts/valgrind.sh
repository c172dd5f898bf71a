#!/usr/bin/env bash
# The native unit tests under Valgrind's memcheck. Valgrind and the sanitizers cannot share a
# process, so this builds its own tree without them (build/valgrind); any memory error or leak
# fails the run.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$ROOT"

# shellcheck disable=SC2034  # read by ensure_packages
PACKAGES=(cmake ninja-build g++ googletest valgrind); ensure_packages

echo "== building the unit tests without sanitizers"
build valgrind

echo "== running them under memcheck"
if valgrind --tool=memcheck --leak-check=full --error-exitcode=1 build/valgrind/bin/unit_tests; then
  echo "VALGRIND PASSED: no memory errors or leaks in the unit tests"
else
  status=$?
  echo "VALGRIND FAILED: exit status $status (see the ERROR SUMMARY above)"
  exit "$status"
fi
