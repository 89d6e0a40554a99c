#!/usr/bin/env bash
# Builds the Debian packages from debian/ with dpkg-buildpackage, in a copy of
# the sources under BUILD_DIR (default build-deb), so the working tree stays
# clean and the packages land in BUILD_DIR. Prints the path of each .deb, the
# program's package first.
#   scripts/package.sh [BUILD_DIR]
# The copy holds the files git knows of (committed or not) and the untracked
# ones it does not ignore: what a clean clone with these changes would hold.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-deb}
version=$(dpkg-parsechangelog -S Version)
source_dir=$build_dir/trellum-$version

rm -rf "$source_dir"
rm -f "$build_dir"/trellum*_"$version"_*.deb "$build_dir"/trellum_"$version"_*.{buildinfo,changes}
mkdir -p "$source_dir"
git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
    tar --null -T - -cf - | tar -xf - -C "$source_dir"

(cd "$source_dir" && dpkg-buildpackage -us -uc -b >../dpkg-buildpackage.log 2>&1) || {
    tail -n 40 "$build_dir/dpkg-buildpackage.log" >&2
    echo "dpkg-buildpackage failed; the whole log is $build_dir/dpkg-buildpackage.log" >&2
    exit 1
}
ls "$build_dir"/trellum_"$version"_*.deb "$build_dir"/trellum-*_"$version"_*.deb
