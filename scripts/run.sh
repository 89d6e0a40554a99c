#!/usr/bin/env bash
# Installs what is missing, builds Trellum and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRELLUM_BUILD_TESTS=OFF >/dev/null
cmake --build build --target trellum
exec build/shell/trellum "$@"
