#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: tools/screenshot.sh [BUILD-DIR] [OUTPUT.png]
# Takes the README's picture again after a change of look: starts the program built in
# BUILD-DIR (build/ by default, as ./run makes it) in an X server of its own, clicks show all,
# lets the card be written out and saves the window, without the pointer, into OUTPUT.png
# (packaging/screenshot.png by default). Look at the picture before committing it.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh
. tools/xvfb.sh
. tools/designed_place.sh
build=${1:-build}
out=${2:-packaging/screenshot.png}

[ -x "$build/app/orvane" ] || { echo "no program at $build/app/orvane: build it first (./run)" >&2; exit 1; }
centre=$(designed_centre cmdShowAll)
ensure_packages xvfb xdotool x11-apps imagemagick

pids=()
trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done' EXIT
start_xvfb
pids+=("$XVFB_PID")
unset QT_QPA_PLATFORM

"$build/app/orvane" 2>/dev/null &
pids+=($!)
window=$(xdotool search --sync --onlyvisible --classname orvane | head -n 1)
sleep 1
read -r x y <<<"$centre"
xdotool mousemove --window "$window" "$x" "$y" click 1 mousemove 0 0
# The card is written five characters a millisecond; a second is ample.
sleep 1
xwd -silent -id "$window" | convert xwd:- -strip "$out"
echo "saved $out"
