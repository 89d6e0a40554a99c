#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# AddressSanitizer + UndefinedBehaviorSanitizer build: the whole test suite, then
# the long random-key soak (the sanitized key-script runner on random keys).
#   scripts/sanitize.sh                  (SOAK_KEYS=1000000, SANITIZE_SHELL=ON by default)
# SANITIZE_SHELL=OFF leaves the Qt window and its tests out of this build.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${SANITIZE_BUILD:-build-asan}
SOAK_KEYS=${SOAK_KEYS:-1000000}
SHELL_ON=${SANITIZE_SHELL:-ON}
# The end-to-end tests drive the program under Xvfb with time limits a sanitized
# build does not keep; the library and widget tests cover the same code here.
EXCLUDE=${SANITIZE_CTEST_EXCLUDE-'^e2e\.'}

cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRELLUM_SANITIZE=ON \
      -DTRELLUM_BUILD_SHELL="$SHELL_ON" -DTRELLUM_WERROR=ON >/dev/null
cmake --build "$BUILD" -j"$(nproc)"

export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# Leaks inside Qt's platform plugins and fontconfig caches are theirs, not ours.
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0

ctest --test-dir "$BUILD" --output-on-failure -j"$(nproc)" ${EXCLUDE:+-E "$EXCLUDE"}

echo "== soak: $SOAK_KEYS random keys under the sanitizers"
start=$(date +%s)
python3 tools/compare_runners.py "$BUILD/tools/trellum-keys" "$BUILD/tools/trellum-keys" "$SOAK_KEYS"
echo "soak took $(( $(date +%s) - start )) s"
