# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by ./run and ./test: installs the Debian packages that are not there yet.
# Usage: ensure_packages pkg...

ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null 2>&1 || {
            echo "Missing packages (${missing[*]}) and no sudo to install them." >&2
            return 1
        }
        sudo=(sudo)
    fi
    echo "Installing ${#missing[@]} Debian packages: ${missing[*]}"
    echo "Updating the package lists..."
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq || return 1
    # One line per package fetched and per package set up; apt's errors go to stderr unfiltered.
    "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" |
        { grep --line-buffered -E '^(Get:|Setting up )' || true; }
}

# What building and starting the program needs; Qt's own translations put its standard menus
# into Arabic.
ORVANE_BUILD_PACKAGES=(cmake g++ make qt6-base-dev fonts-noto-core fonts-dejavu-core
    qt6-translations-l10n qt6-wayland)

# What the tests need on top: the desktop-entry and AppStream validators, what CPack uses to
# build the .deb and work out its library dependencies, and lintian to judge the .deb; an X
# server, a session bus and the accessibility bus with its Python client for the screen-reader
# test; the XKB event daemon that hears the X server's bell for the bell test; a headless Wayland
# compositor for the Wayland test; the published element data the catalogue is checked against
# (bodr), with the densities bodr lacks (python3-periodictable).
ORVANE_TEST_PACKAGES=(appstream desktop-file-utils dpkg-dev file lintian
    xvfb xauth dbus at-spi2-core python3-pyatspi x11-xkb-utils weston bodr python3-periodictable)

# What the benchmarks need beyond the build: an X server for the idle measurement (bench/idle.sh),
# a pointer driver to rest the pointer over the whole program's button; an X client library to
# watch start-up (bench/startup.py) and valgrind to count its instructions.
ORVANE_BENCH_PACKAGES=(xvfb xdotool python3-xlib valgrind)
