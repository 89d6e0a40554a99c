#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Two builds of the same sources give byte-identical Debian packages and
# source package: they are built twice, in folders of different names (so no build path
# may reach them), and compared byte for byte. On a difference, the files
# inside that differ are named.
#
#   tests/packaging/reproducible-test.sh [FIRST_DIR [SECOND_DIR]]
# Defaults: build-deb and build-deb-again; the first keeps its packages for
# the install test.
set -euo pipefail
cd "$(dirname "$0")/../.."
first=${1:-build-deb}
second=${2:-build-deb-again}

build() {
    local started=$SECONDS
    scripts/package.sh "$1" >/dev/null
    echo "built in $1 in $((SECONDS - started)) s"
}
build "$first"
build "$second"

status=0
count=0
# The source package too: its upstream tarball is made anew by each build.
for file in "$first"/*.deb "$first"/*.orig.tar.gz "$first"/*.debian.tar.* "$first"/*.dsc; do
    name=$(basename "$file")
    [[ $name == *.deb ]] && count=$((count + 1))
    if [ ! -f "$second/$name" ]; then
        echo "FAIL: the second build made no $name" >&2
        status=1
    elif cmp -s "$file" "$second/$name"; then
        echo "same: $name ($(stat -c %s "$file") bytes)"
    elif [[ $name != *.deb ]]; then
        echo "FAIL: $name differs between the two builds" >&2
        status=1
    else
        echo "FAIL: $name differs between the two builds" >&2
        for part in "$first" "$second"; do
            mkdir -p "$part/unpacked-$name"
            dpkg-deb -R "$part/$name" "$part/unpacked-$name"
        done
        diff -r "$first/unpacked-$name" "$second/unpacked-$name" >&2 || true
        status=1
    fi
done
[ "$count" -ge 4 ] || { echo "FAIL: expected four packages, found $count" >&2; status=1; }
[ $status -eq 0 ] && echo "PASS: $count packages byte-identical across two builds"
exit $status
