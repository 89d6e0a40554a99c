#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Trellum in build-run/ and starts it. The
# script holds the terminal until the calculator ends.
#   scripts/run.sh [trellum options]
# build-run/ is this script's alone, with every option it relies on set here,
# so scripts/test.sh (build/) and scripts/package.sh never make it rebuild.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DTRELLUM_BUILD_SHELL=ON -DTRELLUM_BUILD_TESTS=OFF -DTRELLUM_WERROR=OFF \
      -DTRELLUM_SANITIZE=OFF -DTRELLUM_FUZZ=OFF >/dev/null
cmake --build build-run --target trellum
exec build-run/shell/trellum "$@"
