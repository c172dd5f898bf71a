#!/usr/bin/env bash
# Fuzzes the setting-file reader and the number conversion (tests/fuzz) with libFuzzer, on one
# worker, for a bounded time:
#
#   scripts/fuzz.sh [seconds]      (default 60)
#
# Builds the fuzz preset's tree (build/fuzz), replays every input that ever failed
# (tests/fuzz/regressions), then fuzzes from a scratch corpus in build/fuzz/corpus, seeded from
# tests/fuzz/corpus and kept between runs, and for the last tenth of the time from inputs with
# megabyte lines (build/fuzz/corpus-long). Any finding is copied into tests/fuzz/regressions,
# so that later runs replay it, and the script exits non-zero.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$ROOT"

SECONDS_TO_FUZZ=${1:-60}
if ! [[ $SECONDS_TO_FUZZ =~ ^[0-9]+$ ]] || ((SECONDS_TO_FUZZ == 0)); then
  echo "usage: $0 [seconds]" >&2
  exit 2
fi

# shellcheck disable=SC2034  # read by ensure_packages
PACKAGES=(cmake ninja-build clang libclang-rt-14-dev); ensure_packages

FUZZ_BUILD="$ROOT/build/fuzz"
FUZZER="$FUZZ_BUILD/bin/setting_file_fuzzer"
REGRESSIONS="$ROOT/tests/fuzz/regressions"
CORPUS="$FUZZ_BUILD/corpus"
ARTIFACTS="$FUZZ_BUILD/artifacts"

# Setting files may hold lines of a megabyte or more, so inputs may grow to 2 MB; an input that
# takes 10 s is a hang.
OPTIONS=(-max_len=2097152 -timeout=10 -rss_limit_mb=2048 -dict="$ROOT/tests/fuzz/mvs.dict")

echo "== building the fuzz target"
# A tree configured from tests/fuzz alone, as it once was, cannot be configured from the top.
if [[ -f $FUZZ_BUILD/CMakeCache.txt ]] &&
  ! grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$ROOT" "$FUZZ_BUILD/CMakeCache.txt"; then
  rm -rf "$FUZZ_BUILD/CMakeCache.txt" "$FUZZ_BUILD/CMakeFiles"
fi
build fuzz

# report_findings <what> <log>: copies what libFuzzer left in ARTIFACTS into the regressions,
# prints the final line and fails.
report_findings() {
  local kept=()
  for f in "$ARTIFACTS"/*; do
    [[ -f $f ]] || continue
    cp "$f" "$REGRESSIONS/$(basename "$f")"
    kept+=("tests/fuzz/regressions/$(basename "$f")")
  done
  echo "FUZZ FAILED: $1; kept: ${kept[*]:-nothing} (log: $2)"
  exit 1
}

rm -rf "$ARTIFACTS"
mkdir -p "$ARTIFACTS" "$CORPUS" "$REGRESSIONS"

mapfile -t replays < <(find "$REGRESSIONS" -type f ! -name 'README*' | sort)
echo "== replaying ${#replays[@]} regression input(s)"
if ((${#replays[@]})); then
  if ! "$FUZZER" "${OPTIONS[@]}" "${replays[@]}" >"$FUZZ_BUILD/replay.log" 2>&1; then
    cat "$FUZZ_BUILD/replay.log"
    echo "FUZZ FAILED: a regression input fails again (log: $FUZZ_BUILD/replay.log)"
    exit 1
  fi
fi

cp tests/fuzz/corpus/* "$CORPUS/"

# Inputs with lines of a megabyte, made here rather than kept in the repository. Fuzzing from
# them runs at about ten inputs a second instead of tens of thousands, and libFuzzer keeps many
# variants of them, so they get a phase of their own, a tenth of the time, from a corpus made
# afresh each run; the main phase keeps its speed for the conversion's corners.
make_megabyte_seeds() {
  local dir=$1 hyphens
  hyphens=$(printf -- '-%.0s' {1..50})
  mega() { head -c 1048576 /dev/zero | tr '\0' "$1"; }
  {
    printf 'Morvane Config File - Halvorsk\r\n%s\r\n\r\n1\r\n0\r\n0\r\n' "$hyphens"
    mega 0; printf '7\r\n128\r\n1\r\n'
    mega N; printf '\r\nC:\\q.exe\r\n'
  } >"$dir/megabyte-lines.mvs"
  { printf 'Morvane Config File - Halvorsk\r%s\r\r' "$hyphens"; mega '\r'; } >"$dir/megabyte-cr-only.mvs"
  { mega 0; printf '5'; } >"$dir/megabyte-number.txt"
  mega '\0' >"$dir/megabyte-nul.bin"
}

EXECUTIONS=0
# fuzz_phase <corpus> <seconds>: one libFuzzer run; adds its executions to EXECUTIONS.
fuzz_phase() {
  local corpus=$1 seconds=$2 status log
  log="$FUZZ_BUILD/fuzz-$(basename "$corpus").log"
  echo "== fuzzing $(basename "$corpus") for $seconds s (log: $log)"
  set +e
  "$FUZZER" "${OPTIONS[@]}" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$ARTIFACTS/" "$corpus" >"$log" 2>&1
  status=$?
  set -e
  grep -E '^(#[0-9]+[[:space:]]+(INITED|DONE)|stat::)' "$log" || tail -n 25 "$log"
  if ((status != 0)); then tail -n 40 "$log"; report_findings "libFuzzer exited with $status" "$log"; fi
  if compgen -G "$ARTIFACTS/*" >/dev/null; then report_findings "libFuzzer left artifacts" "$log"; fi
  local executions
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  EXECUTIONS=$((EXECUTIONS + ${executions:-0}))
  PHASES+=("$(basename "$corpus") $(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1 |
    sed -nE 's/.* cov: ([0-9]+) ft: ([0-9]+) corp: ([^ ]+).*/cov \1 ft \2 corpus \3/p')")
}

LONG_SECONDS=$((SECONDS_TO_FUZZ / 10))
PHASES=()
fuzz_phase "$CORPUS" $((SECONDS_TO_FUZZ - LONG_SECONDS))
if ((LONG_SECONDS > 0)); then
  LONG_CORPUS="$FUZZ_BUILD/corpus-long"
  rm -rf "$LONG_CORPUS"
  mkdir -p "$LONG_CORPUS"
  make_megabyte_seeds "$LONG_CORPUS"
  fuzz_phase "$LONG_CORPUS" "$LONG_SECONDS"
fi

summary=$(IFS=';'; echo "${PHASES[*]}")
echo "FUZZ PASSED: $SECONDS_TO_FUZZ s, $EXECUTIONS executions (${summary//;/; }), no findings"
