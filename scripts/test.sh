#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Trellum in build/ and runs the whole test
# suite: library unit tests, golden key scripts, widget tests (offscreen) and
# the end-to-end tests of the real program under Xvfb.
# build/ is this script's own folder (scripts/run.sh builds in build-run/), and
# every option the suite relies on is set here, whatever an earlier configure left.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh all
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DTRELLUM_BUILD_SHELL=ON -DTRELLUM_BUILD_TESTS=ON -DTRELLUM_WERROR=ON \
      -DTRELLUM_SANITIZE=OFF -DTRELLUM_FUZZ=OFF
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
