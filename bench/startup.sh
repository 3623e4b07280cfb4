#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Compares the program's start-up with a bare Qt window's on a headless X server.
# Usage: bench/startup.sh [build-dir] [runs] [--callgrind]
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh
. tools/xvfb.sh
ensure_packages "${ORVANE_BUILD_PACKAGES[@]}" "${ORVANE_BENCH_PACKAGES[@]}"

build=${1:-build-bench}
runs=${2:-41}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --parallel 2 --target orvane bench_startup_bare

# No window manager: the program maps and paints its window on its own.
start_xvfb
trap 'kill "$XVFB_PID"' EXIT
export QT_QPA_PLATFORM=xcb
/usr/bin/python3 bench/startup.py "$build/app/orvane" "$build/bench/bench_startup_bare" \
    --runs "$runs" ${3:+"$3"}
