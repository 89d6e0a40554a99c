# Sourced by the benchmarks that open windows: a scratch folder ($work) removed
# on exit with every process listed in $pids, a private Xvfb display, and the
# private environment each measured program runs in.
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    sleep 0.2   # the programs' last writes into their homes
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb on a free display number, as DISPLAY from here on.
start_display() {
    mkfifo "$work/fd"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/fd" 2>/dev/null &
    pids+=($!)
    local display_number
    read -r display_number <"$work/fd"
    export DISPLAY=:$display_number
}

# The environment of program NAME, one VAR=value a line: a home of its own
# (made here), no session bus and no accessibility bridge, the same for every
# program compared.
private_env() {
    local home=$work/home-$1
    mkdir -p "$home/.config" "$home/.cache" "$home/.local/share" "$home/run"
    chmod 700 "$home/run"
    printf '%s\n' HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" \
        XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/run" \
        DBUS_SESSION_BUS_ADDRESS=disabled: NO_AT_BRIDGE=1
}

# The bare Qt window (FLOOR_BIN) and, unless TRELLUM_BIN names one, the release
# trellum: the two programs every start-up figure compares.
build_startup_pair() {
    cmake -S bench/floor -B build-bench-floor -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build-bench-floor >/dev/null
    FLOOR_BIN=$PWD/build-bench-floor/qt-floor
    if [[ -z ${TRELLUM_BIN:-} ]]; then
        source bench/release_build.sh
        release_build trellum
        TRELLUM_BIN=$PWD/build-bench/shell/trellum
    fi
}
