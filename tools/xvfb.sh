# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that need a headless X server. start_xvfb starts one on a display that
# Xvfb itself finds free, waits until it takes connections, exports DISPLAY for it and leaves its
# process id in XVFB_PID for the caller to stop.
start_xvfb() {
    local file
    file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$file" 2>/dev/null &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [ -s "$file" ] && break
        sleep 0.1
    done
    DISPLAY=":$(cat "$file")"
    rm -f "$file"
    export DISPLAY
    unset WAYLAND_DISPLAY
}
