#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: on_xvfb.sh PROGRAM [ARG...]
# Runs PROGRAM on Qt's X11 platform in an X server of its own, for what only a display shows.
set -euo pipefail
. "$(dirname "$0")/../../tools/xvfb.sh"
start_xvfb
trap 'kill "$XVFB_PID"' EXIT
# Leaks of Qt's own are suppressed, every other one fails.
LSAN_OPTIONS=suppressions=$(cd "$(dirname "$0")/.." && pwd)/qt-leaks.supp QT_QPA_PLATFORM=xcb "$@"
