# SPDX-License-Identifier: MIT
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

# Xvfb on a free display number, as DISPLAY from here on. The number is drawn
# from a high range rather than the first free one: on a machine where other
# X servers come and go (and their lock files with them), a low number is
# soon claimed again by another server, which then takes this one's socket.
# No reset when the last client leaves: the next program connects at once.
start_display() {
    local display_number="" n
    for ((attempt = 0; attempt < 20; attempt++)); do
        n=$((200 + RANDOM % 700))
        [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
        rm -f "$work/fd"
        mkfifo "$work/fd"
        Xvfb ":$n" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/fd" 2>/dev/null &
        pids+=($!)
        # Nothing is written when the server cannot start on that number.
        read -r display_number <"$work/fd" || true
        [[ -n $display_number ]] && break
    done
    [[ -n $display_number ]] || { echo "no display could be started" >&2; return 1; }
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
