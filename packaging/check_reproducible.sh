#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: packaging/check_reproducible.sh [COMMIT]
# Builds the Debian package twice from two clean checkouts of COMMIT (HEAD by default), in
# folders of different names and depths, one after the other and under different umasks, and
# checks that the two .deb files are byte-identical. Without ccache, so both builds compile
# everything; a few minutes, which is why ./test leaves it out.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$repo" rev-parse --verify "${1:-HEAD}^{commit}")
SOURCE_DATE_EPOCH=$(git -C "$repo" log -1 --format=%ct "$commit")
export SOURCE_DATE_EPOCH
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# build_deb CHECKOUT-DIR UMASK: prints the path of the .deb it makes.
build_deb() {
    local dir=$1
    (
        umask "$2"
        git clone -q "$repo" "$dir"
        git -C "$dir" checkout -q --detach "$commit"
        cmake -S "$dir" -B "$dir/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DORVANE_BUILD_TESTS=OFF -DORVANE_BUILD_BENCH=OFF >"$dir.log" 2>&1
        cmake --build "$dir/build" --parallel "$(nproc)" >>"$dir.log" 2>&1
        # CPack gives the .deb's ar members the modes of its scratch files, so it runs under
        # Debian's usual umask whatever the build's.
        cd "$dir/build" && umask 022 && cpack -G DEB >>"$dir.log" 2>&1
    ) || { echo "the build in $dir failed:" >&2; tail -n 30 "$dir.log" >&2; exit 1; }
    echo "$dir"/build/orvane_*.deb
}

echo "Building ${commit:0:12} (SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH) in a first checkout..."
first=$(build_deb "$scratch/a" 022)
echo "Building it again in a second checkout elsewhere..."
second=$(build_deb "$scratch/second/checkout/of/orvane" 002)

if cmp -s "$first" "$second"; then
    echo "reproducible: both builds give $(basename "$first"), $(stat -c %s "$first") bytes," \
         "sha256 $(sha256sum "$first" | cut -d' ' -f1)"
    exit 0
fi
echo "NOT reproducible: the two packages differ" >&2
cmp "$first" "$second" >&2 || true
for deb in "$first" "$second"; do
    ar tv "$deb" >&2
    mkdir -p "$deb.x/DEBIAN"
    dpkg-deb -x "$deb" "$deb.x"
    dpkg-deb -e "$deb" "$deb.x/DEBIAN"
    dpkg-deb -c "$deb" >"$deb.list"
done
diff "$first.list" "$second.list" >&2 || true
diff -rq "$first.x" "$second.x" >&2 || true
exit 1
