# The Wine settings every script and every Windows-side test run share: no debug channels, no
# Mono or Gecko installers when a prefix is made, and a HOME for Wine's caches when the
# environment has none. Sourced by scripts/lib.sh and by each build tree's wine.sh, so it stays
# plain POSIX sh.
# shellcheck shell=sh
export HOME="${HOME:-/root}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
