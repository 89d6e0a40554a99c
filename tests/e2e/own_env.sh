# SPDX-License-Identifier: MIT
# Sourced first by an end-to-end test that sets its whole environment itself:
# the test runs again under an empty environment, and own_environment (called
# after lib.sh) gives the program its own platform, scale, locale, XDG folders
# and no session bus. A test may then change what it is about.
if [ "${E2E_OWN_ENV:-}" != 1 ]; then
    exec env -i E2E_OWN_ENV=1 PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/sbin:/usr/sbin:/sbin \
        TRELLUM="$TRELLUM" SELOWNER="$SELOWNER" LOGOUT_SM="${LOGOUT_SM:-}" XTEST_KEY="${XTEST_KEY:-}" E2E_DIR="$E2E_DIR" \
        TEST_PATIENCE="${TEST_PATIENCE:-}" bash "$0" "$@"
fi

own_environment() {
    export HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$E2E_TMP/config" XDG_DATA_HOME="$E2E_TMP/data"
    export XDG_CACHE_HOME="$E2E_TMP/cache" XDG_RUNTIME_DIR="$E2E_TMP/runtime"
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    export LANG=C.UTF-8 LC_ALL=C.UTF-8
    export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1
    export DBUS_SESSION_BUS_ADDRESS=disabled:
}
