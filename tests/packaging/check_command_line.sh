#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: check_command_line.sh ORVANE QTPATHS
# Starts the program with each kind of argument, without a display, with one that does not
# answer or without Qt's Wayland plugin, and checks the exit status and the output. No case
# opens a window.
set -uo pipefail
orvane=$1
qt_plugins=$("$2" --query QT_INSTALL_PLUGINS)
failures=0

# expect TAG STATUS STDOUT STDERR [VAR=VALUE...] -- [ARG...]
# STDOUT and STDERR are glob patterns for the whole output; a message is a single line, and
# every output ends with a line break.
expect() {
    local tag=$1 status=$2 want_out=$3 want_err=$4 vars=()
    shift 4
    while [ "$1" != -- ]; do vars+=("$1"); shift; done
    shift
    local out err rc
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
        -u QT_PLUGIN_PATH -u QT_QPA_PLATFORM_PLUGIN_PATH "${vars[@]}" "$orvane" "$@" \
        >"$scratch/out" 2>"$scratch/err"
    rc=$?
    out=$(cat "$scratch/out") err=$(cat "$scratch/err")
    # shellcheck disable=SC2053 # the expectations are patterns
    if [ "$rc" -ne "$status" ] || [[ $out != $want_out ]] || [[ $err != $want_err ]] ||
       { [ -n "$err" ] && [ "$(wc -l <"$scratch/err")" -ne 1 ]; } ||
       [ -n "$(tail -c1 "$scratch/out")" ]; then
        echo "FAIL $tag: status $rc (want $status)" >&2
        echo "  stdout: $out" >&2
        echo "  stderr: $err" >&2
        failures=$((failures + 1))
    fi
}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Without a runtime folder the Wayland library prints a line of its own before ours.
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$scratch}

usage='Usage: *orvane \[options\]*أورفان*-h, --help*-v, --version*'
expect help-long     0 "$usage" '' -- --help
expect help-short    0 "$usage" '' -- -h
expect version-long  0 'orvane 2.0.0' '' -- --version
expect version-short 0 'orvane 2.0.0' '' -- -v
# Qt's own options pass on to Qt, each with its value if it takes one: those the QApplication and
# QGuiApplication references list (but Windows' own), in both the "-style=fusion" and the
# "-style fusion" forms Qt reads, with two dashes as Qt reads them too, and those of Qt's X11
# platform. An option refused, a value left over as an argument, or --version taken as a
# value, each shows here.
for option in '-style fusion' -style=fusion '-stylesheet x.qss' -stylesheet=x.qss -widgetcount \
    -reverse '-qmljsdebugger port:1' -qmljsdebugger=port:1 '-platform xcb' \
    '-platformpluginpath /nonexistent' '-platformtheme none' '-plugin none' \
    '-qwindowgeometry 10x10+0+0' '-qwindowicon i.png' '-qwindowtitle t' '-session s_1' \
    '-display :1' '-geometry 10x10' '--display :1' '-name n' '-title t' '-icon i.png' \
    '-visual 0x21' -nograb -dograb -sync -testability; do
    # shellcheck disable=SC2086 # an option and its value are two arguments
    expect "qt ${option%% *}" 0 'orvane 2.0.0' '' -- $option --version
done
expect unknown-long  2 '' "orvane: *'frobnicate'*'orvane --help'*" -- --frobnicate
expect unknown-short 2 '' "orvane: *'x'*'orvane --help'*" -- -x
expect file-argument 2 '' "orvane: *'elements.txt'*'orvane --help'*" -- elements.txt
expect option-and-file 2 '' "orvane: *'elements.txt'*'orvane --help'*" -- -reverse elements.txt
expect no-display    1 '' 'orvane: cannot connect to a display (DISPLAY is not set)' --
expect silent-display 1 '' 'orvane: cannot connect to a display (DISPLAY is ":1999")' DISPLAY=:1999 --
expect silent-wayland 1 '' 'orvane: cannot connect to a display (WAYLAND_DISPLAY is "orvane-none")' \
    WAYLAND_DISPLAY=orvane-none --
expect qt-platform-kept 1 '' 'orvane: cannot start the display platform "nosuch"' -- -platform nosuch

# A copy of the program whose Qt finds every platform plugin but the Wayland ones, as where
# qt6-wayland is not installed: Qt takes its plugin folder from the qt.conf beside the program.
mkdir "$scratch/bin" "$scratch/plugins" "$scratch/plugins/platforms"
cp "$orvane" "$scratch/bin/orvane"
for plugin in "$qt_plugins"/platforms/*.so; do
    [[ $plugin == */libqwayland* ]] || ln -s "$plugin" "$scratch/plugins/platforms/"
done
printf '[Paths]\nPlugins = %s\n' "$scratch/plugins" >"$scratch/bin/qt.conf"
orvane=$scratch/bin/orvane
no_plugin="orvane: Qt's Wayland plugin is not installed (install the package qt6-wayland)"
expect no-plugin-display  1 '' "$no_plugin" WAYLAND_DISPLAY=wayland-0 --
expect no-plugin-session  1 '' "$no_plugin" XDG_SESSION_TYPE=wayland --
expect no-plugin-platform 1 '' "$no_plugin" QT_QPA_PLATFORM=wayland DISPLAY=:1999 --
expect no-plugin-option   1 '' "$no_plugin" -- -platform wayland
expect no-plugin-no-x     1 '' "$no_plugin; cannot connect to a display (DISPLAY is \":1999\")" \
    DISPLAY=:1999 WAYLAND_DISPLAY=wayland-0 --
# Qt does not look for Wayland without a sign of it, and X alone is to blame.
expect no-plugin-x-only   1 '' 'orvane: cannot connect to a display (DISPLAY is ":1999")' DISPLAY=:1999 --

[ "$failures" -eq 0 ] || exit 1
echo "command line: every case as expected"
