#!/usr/bin/env bash
# Start-up and idle cost of the clock beside `xclock -update 1`: the start-up and idle steps
# of benchmarks/run.sh, which says what they need and measure (see also ../README.md).
#
#   benchmarks/idle/run.sh [BUILD_FOLDER]      (default: build)
exec "$(cd "$(dirname "$0")" && pwd)/../run.sh" "${1:-}" startup idle
