#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every benchmark in one go, with the machine description to paste into
# bench/RESULTS.md. Needs Xvfb; installs missing peer calculators (BENCH_INSTALL=0 to skip).
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/release_build.sh
release_build
export TRELLUM_KEYS=$PWD/build-bench/tools/trellum-keys TRELLUM_BIN=$PWD/build-bench/shell/trellum \
       TRELLUM_KEY_BENCH=$PWD/build-bench/tools/trellum-key-bench

echo "## $(date -u '+%Y-%m-%d %H:%M UTC'), commit $(git rev-parse --short HEAD 2>/dev/null || echo '?')"
echo "Machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'),"\
     "$(awk '/MemTotal/ { printf "%.1f GiB RAM", $2 / 1048576 }' /proc/meminfo), $(. /etc/os-release && echo "$PRETTY_NAME")"
echo
echo '### Engine throughput (trellum-keys, output to /dev/null)'
echo '```'
bench/keys_throughput.sh
echo '```'
echo
echo '### Start-up and memory'
bench/startup.sh
echo
echo '### Key latency'
bench/key_latency.sh
