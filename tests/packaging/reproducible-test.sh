#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Two builds of the same sources, in folders of different names (so no build
# path may reach them), give byte-identical packages and source package. Of a
# package that differs, the files inside that differ are named.
#
#   tests/packaging/reproducible-test.sh [FIRST_DIR [SECOND_DIR]]
# Defaults: build-deb and build-deb-again; the first keeps its packages for
# the install test.
set -euo pipefail
cd "$(dirname "$0")/../.."
first=${1:-build-deb}
second=${2:-build-deb-again}
for dir in "$first" "$second"; do
    started=$SECONDS
    scripts/package.sh "$dir" >/dev/null
    echo "built in $dir in $((SECONDS - started)) s"
done

status=0
# The source package too: its upstream tarball is made anew by each build.
for file in "$first"/*.deb "$first"/*.orig.tar.gz "$first"/*.debian.tar.* "$first"/*.dsc; do
    name=$(basename "$file")
    cmp -s "$file" "$second/$name" && continue
    echo "FAIL: $name differs between the two builds, or the second made none" >&2
    status=1
    if [[ $name == *.deb && -f $second/$name ]]; then
        for dir in "$first" "$second"; do dpkg-deb -R "$dir/$name" "$dir/unpacked-$name"; done
        diff -r "$first/unpacked-$name" "$second/unpacked-$name" >&2 || true
    fi
done
count=$(ls "$first"/*.deb | wc -l)
[ "$count" -ge 4 ] || { echo "FAIL: expected four packages, found $count" >&2; status=1; }
[ $status -eq 0 ] && echo "PASS: $count packages and the source package byte-identical across two builds"
exit $status
