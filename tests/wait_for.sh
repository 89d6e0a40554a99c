# SPDX-License-Identifier: MIT
# Sourced by the test scripts: waits for a condition, never for a quiet
# machine's timing.

# Polls a command every 20 ms until it succeeds. $1 is the most seconds the
# awaited step takes on an idle machine; the ceiling is TEST_PATIENCE (default
# 6) times that, since a machine busy with builds or a second suite runs every
# process here several times slower. Only a step that never comes waits it out.
wait_for() {
    local deadline=$((SECONDS + $1 * ${TEST_PATIENCE:-6}))
    shift
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.02
    done
}
