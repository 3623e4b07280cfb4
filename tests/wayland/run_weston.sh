#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: run_weston.sh ORVANE
# Starts the program on a headless weston through Qt's Wayland plugin, with no X server, and
# reads the client side of the protocol: the window's app id and size, that it stays up, and
# that SIGTERM, SIGHUP and SIGINT each close it with status 0.
set -uo pipefail
program=$1
socket=orvane-test

if ! command -v weston >/dev/null 2>&1; then
    echo "weston not found: install the Debian package weston" >&2
    exit 77
fi

work=$(mktemp -d)
runtime=$work/runtime
mkdir -m 0700 "$runtime"
# Leaks of Qt's own are suppressed, every other one fails.
leaks=$(cd "$(dirname "$0")/.." && pwd)/qt-leaks.supp
weston_pid='' app_pid='' log=''
cleanup() {
    [ -z "$app_pid" ] || kill -KILL "$app_pid" 2>/dev/null
    [ -z "$weston_pid" ] || { kill "$weston_pid" 2>/dev/null; wait "$weston_pid"; }
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM

fail() {
    echo "FAIL: $*" >&2
    [ ! -f "$log" ] || { echo "--- the program's last output:" >&2; tail -n 20 "$log" >&2; }
    exit 1
}

# within TENTHS COMMAND...: whether COMMAND succeeds within TENTHS tenths of a second.
within() {
    local tenths=$1
    shift
    until "$@"; do
        [ "$tenths" -gt 0 ] || return 1
        tenths=$((tenths - 1))
        sleep 0.1
    done
}
ended() { ! kill -0 "$app_pid" 2>/dev/null; }

# The first toplevel window of a WAYLAND_DEBUG=client log, one "what value" a line. A line
# starts with a time stamp, then (libwayland 1.23 on) the event queue's name where it has one:
#   [2913212.886]  -> wl_surface#13.attach(wl_buffer#17, 0, 0)                       1.21
#   [2913212.886] {Default Queue}  -> wl_surface#13.attach(wl_buffer#17, 0, 0)       1.23
#   [17:45:07.453110] {Default Queue}  -> wl_surface#13.attach(wl_buffer#17, 0, 0)   1.26
summary() {
    awk '{ sub(/^\[[ 0-9.:]*\] *(\{[^}]*\} *)?/, ""); split($0, f, /[(), "]+/) }
        f[1] != "->" { next }
        f[2] ~ /\.get_xdg_surface$/ && !xdg { xdg = f[5]; surface = f[6] }
        f[2] == xdg ".get_toplevel" && !toplevel { toplevel = f[5] }
        f[2] ~ /\.create_buffer$/ { size[f[5]] = f[7] " x " f[8] }
        f[2] == toplevel ".set_app_id" { print "app id", f[3] }
        f[2] == toplevel ".set_min_size" { print "minimum size", f[3] " x " f[4] }
        f[2] == toplevel ".set_max_size" { print "maximum size", f[3] " x " f[4] }
        f[2] == xdg ".set_window_geometry" { print "window geometry", f[5] " x " f[6] }
        f[2] == surface ".attach" && !buffer { buffer = f[3]; print "first buffer", size[buffer] }
        f[2] == toplevel ".destroy" { print "window destroyed"; exit }' "$1" | sort -u
}
has_first_buffer() { summary "$log" | grep -q '^first buffer' || ended; }

# start NAME: starts the program on the compositor, its protocol log in $work/NAME.log, and
# waits for its window's first buffer. The shell that runs this test may ignore some signals;
# the program starts with every signal at its default. weston draws no frames around windows,
# so Qt would draw its own into the buffer; without it the window geometry and the buffer are
# the window's client area.
start() {
    log=$work/$1.log
    : >"$log"
    env --default-signal -u DISPLAY -u XDG_SESSION_TYPE XDG_RUNTIME_DIR="$runtime" \
        WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland QT_WAYLAND_DISABLE_WINDOWDECORATION=1 \
        WAYLAND_DEBUG=client ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        LSAN_OPTIONS=suppressions="$leaks" "$program" >/dev/null 2>"$log" &
    app_pid=$!
    within 300 has_first_buffer && ! ended ||
        fail "$1: the program ended, or attached no buffer to a window within 30 s"
}

# quit SIGNAL: sends SIGNAL and checks that the program closes its window and ends with 0.
quit() {
    kill -s "$1" "$app_pid"
    within 100 ended || fail "$1: the program still runs 10 s later"
    wait "$app_pid"
    local status=$?
    app_pid=''
    [ "$status" -eq 0 ] || fail "$1: exit status $status"
    summary "$log" | grep -qx 'window destroyed' || fail "$1: the window was not destroyed"
    echo "$1: the window closed and the program ended with status 0"
}

XDG_RUNTIME_DIR=$runtime timeout 120 weston --backend=headless-backend.so --socket=$socket \
    --idle-time=0 --no-config >"$work/weston.log" 2>&1 &
weston_pid=$!
listening() { [ -S "$runtime/$socket" ] || ! kill -0 "$weston_pid" 2>/dev/null; }
within 200 listening && [ -S "$runtime/$socket" ] ||
    { cat "$work/weston.log" >&2; fail "weston did not open its socket within 20 s"; }
echo "$(weston --version), headless, on $socket; no X server"

start term
! within 15 ended || fail "the program ended within 1.5 s of its first buffer"
echo "the program is still up 1.5 s after its first buffer"
# Fixed in size: one size asked for, given and drawn, from the first buffer on.
expected='app id org.orvane.Orvane
first buffer 382 x 453
maximum size 382 x 453
minimum size 382 x 453
window geometry 382 x 453'
window=$(summary "$log")
[ "$window" = "$expected" ] || fail "the window is not as expected:"$'\n'"$window"
sed 's/^/window: /' <<<"$window"
quit TERM
for signal in HUP INT; do
    start "$(tr A-Z a-z <<<$signal)"
    quit $signal
done
