#!/usr/bin/env bash
# Builds the Debian package: a Release build with Debian's hardening flags in
# BUILD_DIR (default build-deb), then cpack. Prints the path of the .deb.
#   scripts/package.sh [BUILD_DIR [extra cmake arguments...]]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-deb}
shift || true

# The flags Debian's own packages are built with (fortify, stack protector,
# relro, bindnow); without them lintian reports the binaries as unhardened.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRELLUM_BUILD_TESTS=OFF \
      "-DCMAKE_CXX_FLAGS=$cflags" "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" "$@" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
rm -f "$build_dir"/trellum_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
ls "$build_dir"/trellum_*.deb
