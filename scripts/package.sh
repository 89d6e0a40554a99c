#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian source package and packages from debian/ with
# dpkg-buildpackage in BUILD_DIR (default build-deb), so the working tree stays
# clean: the upstream tarball (scripts/orig-tarball.sh), unpacked with debian/
# beside it, is built there. Prints the path of each .deb, the program's
# package first.
#   scripts/package.sh [BUILD_DIR]
# The tarball holds the files git knows of, committed or not, and the untracked
# ones it does not ignore: what a clean clone with these changes would hold.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-deb}
version=$(dpkg-parsechangelog -S Version)
upstream=${version%-*}
source_dir=$build_dir/trellum-$upstream

rm -rf "$source_dir"
rm -f "$build_dir"/trellum*_"$version"_*.deb "$build_dir"/trellum_"$version"{_*.buildinfo,_*.changes,.dsc,.debian.tar.*} \
      "$build_dir"/trellum_"$upstream".orig.tar.*
tarball=$(scripts/orig-tarball.sh "$build_dir")
tar -xzf "$tarball" -C "$build_dir"
git ls-files -z --cached --others --exclude-standard -- debian |
    while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
    tar --null -T - -cf - | tar -xf - -C "$source_dir"
# The folders the copy made carry the changelog's date, as the tarball's files do.
find "$source_dir/debian" -type d -exec touch -d "@$(dpkg-parsechangelog -S Timestamp)" {} +

# -sa: the .changes carries the upstream tarball, which the first upload to
# the archive needs; the changelog's 2.1-0 entry would otherwise leave it out.
(cd "$source_dir" && dpkg-buildpackage -us -uc -sa >../dpkg-buildpackage.log 2>&1) || {
    tail -n 40 "$build_dir/dpkg-buildpackage.log" >&2
    echo "dpkg-buildpackage failed; the whole log is $build_dir/dpkg-buildpackage.log" >&2
    exit 1
}
# ls -U keeps this order; sorted, trellum-tools would come before trellum.
ls -U "$build_dir"/trellum_"$version"_*.deb "$build_dir"/trellum-*_"$version"_*.deb
