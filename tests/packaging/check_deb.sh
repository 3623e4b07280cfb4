#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: check_deb.sh BUILD-DIR QT-LIBRARY-DIR
# Builds the Debian package from BUILD-DIR with CPack into a scratch folder and checks what a
# user would install: the files, that the launcher entry points at them, the dependencies, a
# stripped binary without RUNPATH, and lintian's verdict (no error, no warning).
set -euo pipefail
build=$(cd "$1" && pwd)
qt_libs=$2
app_id=org.orvane.Orvane

for tool in cpack:cmake dpkg-deb:dpkg dpkg-shlibdeps:dpkg-dev file:file readelf:binutils lintian:lintian; do
    if ! command -v "${tool%%:*}" >/dev/null 2>&1; then
        echo "${tool%%:*} not found: install the Debian package ${tool#*:}" >&2
        exit 77
    fi
done

work=$(mktemp -d "$build/deb-check.XXXXXX")
trap 'rm -rf "$work"' EXIT
if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    exit 1
fi
debs=("$work"/orvane_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "expected one orvane_*.deb" >&2; exit 1; }
deb=${debs[0]}

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Files, as "mode path" lines.
listing=$(dpkg-deb -c "$deb" | awk '{print $1, $6}')
has() { grep -qxF -- "$1" <<<"$listing" || fail "the package lacks $1"; }
has "-rwxr-xr-x ./usr/bin/orvane"
has "-rw-r--r-- ./usr/share/applications/$app_id.desktop"
has "-rw-r--r-- ./usr/share/metainfo/$app_id.metainfo.xml"
for size in 16 32 48 64 128 256; do
    has "-rw-r--r-- ./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
done
has "-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/$app_id.svg"
has "-rw-r--r-- ./usr/share/doc/orvane/copyright"
has "-rw-r--r-- ./usr/share/doc/orvane/changelog.gz"
has "-rw-r--r-- ./usr/share/man/man1/orvane.1.gz"
# Where lintian validates AppStream metadata, it is told why the missing home page is accepted.
if lintian-explain-tags appstream-metadata-validation-failed >/dev/null 2>&1; then
    has "-rw-r--r-- ./usr/share/lintian/overrides/orvane"
fi

# The launcher entry and the metadata must name what the package installs.
root=$work/root
dpkg-deb -x "$deb" "$root"
desktop=$root/usr/share/applications/$app_id.desktop
key() { sed -n "s/^$1=//p" "$desktop" 2>/dev/null | head -n 1; }
[ "$(key Exec)" = orvane ] || fail "Exec is '$(key Exec)', not the installed orvane"
[ "$(key Icon)" = "$app_id" ] || fail "Icon is '$(key Icon)', not the installed $app_id"
grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
    "$root/usr/share/metainfo/$app_id.metainfo.xml" || fail "the metainfo does not launch $app_id.desktop"
grep -qF "<id>$app_id</id>" "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "the metainfo id is not $app_id"

# Debug symbols and a library search path are the build's business, not the user's.
binary=$root/usr/bin/orvane
file -b "$binary" | grep -q ', stripped' || fail "usr/bin/orvane is not stripped: $(file -b "$binary")"
if readelf -d "$binary" | grep -qE 'RPATH|RUNPATH'; then
    fail "usr/bin/orvane has a library search path: $(readelf -d "$binary" | grep -E 'RPATH|RUNPATH')"
fi

# Control fields; packages are compared by name, whatever the version constraints.
[ "$(dpkg-deb -f "$deb" Package)" = orvane ] || fail "the package is not named orvane"
names() { dpkg-deb -f "$deb" "$1" | tr ',' '\n' | sed 's/(.*)//; s/[[:space:]]//g'; }
names Depends | grep -qxF fonts-dejavu-core || fail "Depends lacks fonts-dejavu-core"
# Qt by what it is: the packages that ship the Core, Gui and Widgets libraries built against
# (their names change between releases: libqt6core6, libqt6core6t64), asked for at least at the
# Qt minor release built against, and at no version newer than the one installed here.
for module in Core Gui Widgets; do
    package=$(dpkg-query -S "$(readlink -f "$qt_libs/libQt6$module.so.6")" | cut -d: -f1)
    installed=$(dpkg-query -W -f='${Version}' "$package")
    qt_minor=$(sed -E 's/^([0-9]+\.[0-9]+).*/\1/' <<<"$installed")
    bounds=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed -nE "s/^ *$package \(>= ([^)]+)\) *$/\1/p")
    [ -n "$bounds" ] || fail "Depends lacks $package (>= ...) for Qt $module: $(dpkg-deb -f "$deb" Depends)"
    atleast=false
    for bound in $bounds; do
        dpkg --compare-versions "$installed" ge "$bound" ||
            fail "Depends asks for $package (>= $bound), newer than the $installed built against"
        ! dpkg --compare-versions "$bound" ge "$qt_minor" || atleast=true
    done
    $atleast || fail "Depends lets $package older than Qt $qt_minor, built against, in: $bounds"
done
# DejaVu covers Arabic; the large Noto set and Qt's translations are only recommended, and so
# is Qt's Wayland plugin, which an X session does without.
for package in fonts-noto-core qt6-translations-l10n qt6-wayland; do
    names Recommends | grep -qxF "$package" || fail "Recommends lacks $package"
    if names Depends | grep -qxF "$package"; then fail "$package is a hard dependency"; fi
done

# Pedantic and informational notes are shown, not counted.
if ! lintian --fail-on error,warning --pedantic --display-info "$deb" >"$work/lintian.log" 2>&1; then
    cat "$work/lintian.log" >&2
    fail "lintian reports errors or warnings"
fi

[ "$failures" -eq 0 ] || exit 1
grep -E '^[EWIPX]: ' "$work/lintian.log" || true
echo "$(basename "$deb"): files, launcher entry, dependencies, binary and lintian as expected"
