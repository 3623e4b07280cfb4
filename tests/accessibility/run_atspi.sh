#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program in its own X server and session bus with the accessibility bus up, and
# runs atspi_check.py against it. Usage: run_atspi.sh path/to/orvane
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR="$work"
unset QT_QPA_PLATFORM

dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    sleep 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 ASAN_OPTIONS=detect_leaks=0 "$0" &
    app=$!
    status=0
    timeout 60 /usr/bin/python3 "$1" || status=$?
    kill $app 2>/dev/null || true
    exit $status
' "$program" "$here/atspi_check.py"
