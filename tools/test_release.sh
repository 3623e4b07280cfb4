#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs ./test on another Debian release, as a new user of that release would: in a minimal root
# made with debootstrap, on a fresh clone of the committed HEAD, with a clean environment.
set -euo pipefail

usage() {
    cat <<'EOT'
Usage: tools/test_release.sh [--ignore-valid-until] RELEASE
  RELEASE               a Debian release or suite: trixie, forky, testing, sid ...
  --ignore-valid-until  let apt in the root take a Release file whose Valid-Until date has
                        passed (a snapshot mirror of testing or sid); a live mirror needs no such
                        thing

The root is made on first use (minbase, from http://deb.debian.org/debian or $ORVANE_MIRROR)
and kept in ${ORVANE_ROOTS:-~/.cache/orvane/roots}/RELEASE, with the packages ./test
installed into it; delete that folder to start afresh. Needs root. Exits with ./test's status.
EOT
}

ignore_valid_until=false
case ${1:-} in
--ignore-valid-until) ignore_valid_until=true; shift ;;
-h | --help) usage; exit 0 ;;
esac
[ $# -eq 1 ] && [[ $1 =~ ^[a-z][a-z0-9-]*$ ]] || { usage >&2; exit 2; }
release=$1
[ "$(id -u)" -eq 0 ] || { echo "$0: debootstrap, mount and chroot need root" >&2; exit 2; }

top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/tools/packages.sh"
ensure_packages debootstrap

mirror=${ORVANE_MIRROR:-http://deb.debian.org/debian}
roots=${ORVANE_ROOTS:-${XDG_CACHE_HOME:-$HOME/.cache}/orvane/roots}
root=$roots/$release

if [ ! -e "$root/.orvane-root-complete" ]; then
    # Debootstrap knows the releases it shipped with; a newer one is built like sid.
    script=/usr/share/debootstrap/scripts/$release
    [ -e "$script" ] || script=/usr/share/debootstrap/scripts/sid
    echo "Making a minimal Debian $release root in $root (once; a few minutes)..."
    rm -rf "$root"
    mkdir -p "$roots"
    debootstrap --variant=minbase "$release" "$root" "$mirror" "$script" |
        { grep --line-buffered -E '^(I: (Retrieving|Unpacking|Configuring|Base)|[EW]:)' || true; }
    [ -x "$root/usr/bin/apt-get" ] || { echo "$0: debootstrap did not make a root" >&2; exit 1; }
    touch "$root/.orvane-root-complete"
fi
conf=$root/etc/apt/apt.conf.d/99orvane-valid-until
if $ignore_valid_until; then
    echo 'Acquire::Check-Valid-Until "false";' >"$conf"
else
    rm -f "$conf"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"

# A fresh clone of what is committed, never the work tree's state.
rm -rf "$root/root/orvane"
git clone -q --no-local "$top" "$root/root/orvane"
git -C "$root/root/orvane" checkout -q --detach "$(git -C "$top" rev-parse HEAD)"

mounted=()
unmount() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount -R "${mounted[i]}" 2>/dev/null || umount -R -l "${mounted[i]}" || true
    done
}
trap unmount EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP
mount_in() {
    mount "$@"
    mounted+=("${*: -1}")
}
mount_in -t proc proc "$root/proc"
mount_in -t sysfs sysfs "$root/sys"
mount_in --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"
mount_in -t tmpfs -o mode=1777 tmpfs "$root/tmp"

echo "Running ./test on Debian $release ($(cat "$root/etc/debian_version")) in $root..."
status=0
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    /bin/bash -c 'cd /root/orvane && ./test' || status=$?
echo "Debian $release: ./test exited with status $status"
exit "$status"
