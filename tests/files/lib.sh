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

# A runner started under strace is strace's child: both go.
end_running() {
    [ -n "$RUNNING" ] || return 0
    local pid
    for pid in $(pgrep -P "$RUNNING") "$RUNNING"; do kill -KILL "$pid" 2>/dev/null || true; done
    wait "$RUNNING" 2>/dev/null || true
    RUNNING=""
}
trap 'end_running; rm -rf "$TMP"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
