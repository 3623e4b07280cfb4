#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures a window at rest with the main window's buttons on a headless X server.
# Usage: bench/idle.sh [build-dir] [seconds] [program]
# With "program" it starts the whole program instead, rests the pointer over its show-all
# button and reads the process's CPU time from /proc over the stretch.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh
. tools/xvfb.sh
. tools/designed_place.sh
ensure_packages "${ORVANE_BUILD_PACKAGES[@]}" "${ORVANE_BENCH_PACKAGES[@]}"

build=${1:-build-bench}
seconds=${2:-10}
target=bench_gbutton_idle
binary=$build/bench/bench_gbutton_idle
if [ "${3:-}" = program ]; then
    target=orvane
    binary=$build/app/orvane
fi
if [ ! -x "$binary" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_BUILD_TESTS=OFF >/dev/null
    cmake --build "$build" --parallel 2 --target "$target"
fi

start_xvfb
trap 'kill "$XVFB_PID"' EXIT
export QT_QPA_PLATFORM=xcb
if [ "$target" = bench_gbutton_idle ]; then
    "$binary" "$seconds"
    exit
fi

centre=$(designed_centre cmdShowAll)
"$binary" &
program=$!
trap 'kill "$program" "$XVFB_PID"' EXIT
window=$(xdotool search --sync --onlyvisible --pid "$program" | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")"
read -r x y <<<"$centre"
xdotool mousemove $((X + x)) $((Y + y))
sleep 1
# utime + stime in clock ticks, and the nanoseconds every thread has run.
ticks() { awk '{ print $14 + $15 }' "/proc/$program/stat"; }
runtime() { cat /proc/"$program"/task/*/schedstat | awk '{ ns += $1 } END { print ns }'; }
ticks0=$(ticks) ns0=$(runtime)
sleep "$seconds"
ticks1=$(ticks) ns1=$(runtime)
hz=$(getconf CLK_TCK)
awk -v t="$((ticks1 - ticks0))" -v hz="$hz" -v ns="$((ns1 - ns0))" -v s="$seconds" 'BEGIN {
    printf "program at rest for %d s, pointer over cmdShowAll\n", s
    printf "  utime + stime: %d ticks = %.1f ms = %.3f %% of one core\n", t, 1e3 * t / hz, 100 * t / hz / s
    printf "  scheduled run time: %.1f ms = %.3f %% of one core\n", ns / 1e6, ns / 1e7 / s }'
