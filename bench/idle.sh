#!/usr/bin/env bash
# Measures a window at rest with the three buttons on a headless X server.
# Usage: bench/idle.sh [build-dir] [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh
ensure_packages "${ORVANE_BUILD_PACKAGES[@]}" "${ORVANE_BENCH_PACKAGES[@]}"

build=${1:-build-bench}
seconds=${2:-10}
if [ ! -x "$build/bench/bench_gbutton_idle" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_BUILD_TESTS=OFF >/dev/null
    cmake --build "$build" --parallel 2 --target bench_gbutton_idle
fi

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb"' EXIT
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X${display#:}" ] && break
    sleep 0.1
done
DISPLAY=$display QT_QPA_PLATFORM=xcb "$build/bench/bench_gbutton_idle" "$seconds"
