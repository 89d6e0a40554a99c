# SPDX-License-Identifier: MIT
# Sourced by the benchmarks: builds the named targets (all when none) in the
# Release tree build-bench/, so every benchmark measures the same optimised code.
release_build() {
    cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRELLUM_BUILD_TESTS=OFF >/dev/null
    if [[ $# -gt 0 ]]; then
        cmake --build build-bench --target "$@" >/dev/null
    else
        cmake --build build-bench >/dev/null
    fi
}

# The key-script runner the benchmarks drive: TRELLUM_KEYS when the caller
# names one, else the Release build of it.
release_keys_runner() {
    if [[ -z ${TRELLUM_KEYS:-} ]]; then
        release_build trellum-keys
        TRELLUM_KEYS=build-bench/tools/trellum-keys
    fi
}
