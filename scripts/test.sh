#!/usr/bin/env bash
# Installs what is missing, builds Trellum and runs the whole test suite:
# library unit tests, golden key scripts, widget tests (offscreen) and the
# end-to-end tests of the real program under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh all
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRELLUM_BUILD_TESTS=ON -DTRELLUM_WERROR=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
