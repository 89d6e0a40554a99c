# SPDX-License-Identifier: MIT
# Shared start of the settings-file tests, which drive the key-script runner
# (RUNNER) on copies of the test data (DATA) in a folder of their own (TMP).
# A test keeps the runner it leaves in the background in RUNNING, so that an
# early end does not leave it behind.
set -euo pipefail
: "${RUNNER:?path of trellum-keys}"
: "${DATA:?folder of the test data}"
source "$(dirname "${BASH_SOURCE[0]}")/../wait_for.sh"
TMP=$(mktemp -d)
RUNNING=""
trap '[ -z "$RUNNING" ] || kill -KILL "$RUNNING" 2>/dev/null; rm -rf "$TMP"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
