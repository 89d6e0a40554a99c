# Helpers for the end-to-end tests that read the program through the
# accessibility bus. A test sources this file first: it re-runs the test in a
# clean environment (only what is set here and in the test reaches the
# program) inside its own session bus, then brings in lib.sh.

if [ -z "${TRELLUM_ATSPI_SESSION:-}" ]; then
    : "${TRELLUM:?path of the trellum program}"
    exec env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin TRELLUM="$TRELLUM" SELOWNER="$SELOWNER" E2E_DIR="$E2E_DIR" \
        TEST_PATIENCE="${TEST_PATIENCE:-}" \
        TRELLUM_ATSPI_SESSION=1 dbus-run-session -- bash "$0" "$@"
fi

# lib.sh turns the session bus off for the other tests; these need the private one.
SESSION_BUS="$DBUS_SESSION_BUS_ADDRESS"
# shellcheck source=lib.sh
source "$E2E_DIR/lib.sh"
export DBUS_SESSION_BUS_ADDRESS="$SESSION_BUS"
E2E_NO_TRAY=1

PROBE="$E2E_DIR/atspi_probe.py"
OUT="${TRELLUM_TEST_OUTPUT:-$E2E_TMP/out}"
mkdir -p "$OUT" "$E2E_TMP/home"
export HOME="$E2E_TMP/home"

# The accessibility bus, found by clients through the session bus.
start_atspi() {
    # The session bus starts the bus launcher and the registry itself when they
    # are first asked for, with its own environment: without the test's folders
    # the launcher puts its socket in ~/.cache/at-spi, which tests running side
    # by side would then share and remove under each other.
    dbus-update-activation-environment DISPLAY HOME XDG_RUNTIME_DIR XDG_CACHE_HOME XDG_CONFIG_HOME XDG_DATA_HOME
    /usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
    CHILD_PIDS+=($!)
    wait_for 10 dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress ||
        fail "the accessibility bus did not start"
    # The registry on that bus starts on first use; start it before any client.
    local address
    address=$(dbus-send --session --dest=org.a11y.Bus --print-reply=literal /org/a11y/bus org.a11y.Bus.GetAddress)
    wait_for 30 dbus-send --bus="${address// /}" --dest=org.a11y.atspi.Registry --print-reply / \
        org.freedesktop.DBus.Peer.Ping ||
        fail "the accessibility registry did not start: $(dbus-send --bus="${address// /}" \
            --dest=org.a11y.atspi.Registry --print-reply / org.freedesktop.DBus.Peer.Ping 2>&1)"
}

# Starts the program on X with accessibility on; the locale comes from the
# caller's arguments (NAME=VALUE ...). Sets WIN.
start_accessible_app() {
    env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$@" \
        "$TRELLUM" 2>"$E2E_TMP/app.err" &
    APP_PID=$!
    wait_for 20 find_main_window || fail "main window did not appear"
    WIN=$(find_main_window)
    xdotool windowactivate --sync "$WIN" 2>/dev/null || true
}

# Runs a scenario of the probe; on failure the tree it saw goes to $OUT.
probe() {
    /usr/bin/python3 "$PROBE" "$1" "$OUT" || { ls "$OUT" >&2; cat "$OUT"/*.txt >&2 2>/dev/null; fail "$1: see above"; }
}
