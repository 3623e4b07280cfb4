#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: bell.sh PROGRAM [ARG...]
# Runs PROGRAM on Qt's X11 platform in an X server of its own, where xkbevd, told of every bell
# the server rings through XKB, adds a line to the file named in ORVANE_BELLS for each.
set -euo pipefail
. "$(dirname "$0")/../../tools/xvfb.sh"
start_xvfb
dir=$(mktemp -d)
trap 'kill "$XVFB_PID"; rm -rf "$dir"' EXIT # xkbevd ends with its server
export ORVANE_BELLS=$dir/bells
cat >"$dir/xkbevd.cf" <<CF
Bell("listening") shell "echo >> $dir/listening"
Bell() shell "echo >> $ORVANE_BELLS"
CF
xkbevd -cfg "$dir/xkbevd.cf" >/dev/null 2>&1 &
# xkbevd handles events in turn: once it has heard a bell named for the purpose, every bell after
# it is counted, and anything it wrote at its start is already in the file.
for _ in $(seq 50); do
    xkbbell -nobeep listening
    sleep 0.1
    [[ -s $dir/listening ]] && break
done
[[ -s $dir/listening ]] || { echo "xkbevd hears no bell on $DISPLAY" >&2; exit 1; }
# Leaks of Qt's own are suppressed, every other one fails.
LSAN_OPTIONS=suppressions=$(cd "$(dirname "$0")/.." && pwd)/qt-leaks.supp QT_QPA_PLATFORM=xcb "$@"
