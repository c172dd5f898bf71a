#!/usr/bin/env bash
# One command-line run of morvane.exe against a bare exe that only sleeps 500 ms, both under the
# same Wine prefix; prints the median ratio (target: at most 1.15).
#   bench/command_line.sh [runs]     (default 9)
exec bash "$(dirname "$0")/measure.sh" "${1:-9}" command-line
