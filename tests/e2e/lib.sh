# SPDX-License-Identifier: MIT
# Shared helpers of the end-to-end tests: a private X display with openbox and a
# tray host, the real program, and ways to press its keys and read it back.
set -euo pipefail
# The test runs again under an empty environment: a caller's Qt platform, scale
# factor, locale, folders or session would change what is drawn and where
# settings go (QT_QPA_PLATFORM=offscreen never maps an X window).
if [ "${E2E_CLEAN:-}" != 1 ]; then
    exec env -i E2E_CLEAN=1 PATH=/usr/local/bin:/usr/bin:/bin TRELLUM="${TRELLUM:?path of the program}" \
        E2E_DIR="$E2E_DIR" TEST_PATIENCE="${TEST_PATIENCE:-}" bash "$0" "$@"
fi
source "$E2E_DIR/../wait_for.sh"
E2E_TMP=$(mktemp -d)
X_CLIENT=(/usr/bin/python3 "$E2E_DIR/x_client.py")
export HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$E2E_TMP/config" XDG_DATA_HOME="$E2E_TMP/data" \
       XDG_CACHE_HOME="$E2E_TMP/cache" XDG_STATE_HOME="$E2E_TMP/state" XDG_RUNTIME_DIR="$E2E_TMP/runtime"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
export LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb XDG_SESSION_TYPE=x11 DBUS_SESSION_BUS_ADDRESS=disabled:
APP_PID=""
CHILD_PIDS=()

cleanup() {
    local pid
    for pid in $APP_PID "${CHILD_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    [ -z "${E2E_KEEP:-}" ] || { echo "the desktop as the test failed: $E2E_TMP/failure.png" >&2; return 0; }
    rm -rf "$E2E_TMP" 2>/dev/null || echo "note: could not remove $E2E_TMP" >&2
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ] && command -v import >/dev/null; then
        import -window root "$E2E_TMP/failure.png" 2>/dev/null && E2E_KEEP=1 || true
    fi
    exit 1
}

# A private X server (E2E_SCREEN pixels) with openbox and, unless E2E_NO_TRAY=1, a tray host.
start_desktop() {
    rm -f "$E2E_TMP/displayfd" && mkfifo "$E2E_TMP/displayfd"
    # -noreset: by default the server resets when its last client disconnects.
    # The readiness probes below are often that client, and a reset while
    # openbox connects makes it fail to open the display (or abort).
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1280x1024}x24" -dpi 96 -nolisten tcp -noreset \
        3>"$E2E_TMP/displayfd" 2>"$E2E_TMP/xvfb.err" &
    CHILD_PIDS+=($!)
    local n
    read -r n <"$E2E_TMP/displayfd"
    export DISPLAY=":$n"
    # A window manager that does not centre new windows, so first-run centring is the program's.
    mkdir -p "$E2E_TMP/openbox"
    sed 's|<center>yes</center>|<center>no</center>|' /etc/xdg/openbox/rc.xml >"$E2E_TMP/openbox/rc.xml"
    openbox --sm-disable --config-file "$E2E_TMP/openbox/rc.xml" 2>"$E2E_TMP/openbox.err" &
    CHILD_PIDS+=($!)
    wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "openbox did not start: $(grep -v debian-menu "$E2E_TMP/openbox.err" | head -3)"
    if [ "${E2E_NO_TRAY:-}" != 1 ]; then
        trayer --edge top --align right --widthtype request --height 24 2>/dev/null &
        CHILD_PIDS+=($!)
        wait_for 10 "${X_CLIENT[@]}" owned _NET_SYSTEM_TRAY_S0 || fail "tray host did not start"
    fi
    numlockx on 2>/dev/null || true
}

# Starts the program with its own settings folder; sets WIN to its main window.
# A background job of a script ignores SIGINT (a nohup'd one SIGHUP): the program
# gets them back, as a desktop starts it.
start_app() {
    env --default-signal=HUP,INT "$TRELLUM" 2>"$E2E_TMP/app.err" &
    APP_PID=$!
    wait_for 20 find_main_window || fail "main window did not appear"
    WIN=$(find_main_window)
    [ "$(activate_and_copy)" != "(nothing copied)" ] || fail "the program never took the keyboard"
}

# Activates the main window and copies its display (see copy_display). The
# window manager may call the window active before Qt has taken the keyboard,
# and a key sent then is lost: it tries until a copy lands, three times.
activate_and_copy() {
    local tries text
    for tries in 1 2 3; do
        xdotool windowactivate --sync "$WIN" 2>/dev/null || true
        text=$(copy_display)
        [ "$text" = "(nothing copied)" ] || break
    done
    echo "$text"
}

# The program's windows titled exactly "Trellum", with $1=--onlyvisible the
# mapped ones (the tray icon's window is named "trellum", and xdotool's name
# search ignores case). The first is the main window, any other a message box.
trellum_windows() {
    local w
    for w in $(xdotool search $1 --pid "$APP_PID" --name '^Trellum$' 2>/dev/null); do
        if xprop -id "$w" WM_NAME 2>/dev/null | grep -q '= "Trellum"$'; then echo "$w"; fi
    done
}
find_main_window() { local w; w=$(trellum_windows ""); [ -n "$w" ] && echo "${w%%$'\n'*}"; }
message_box_open() { [ -n "$(trellum_windows --onlyvisible | grep -vx "$WIN")" ]; }

is_mapped() { xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }

# A menu of the program is open (the menu bar's, the tray icon's or a context
# menu): keys go to it, not to the calculator, until it closes. A menu is an
# unmanaged (override-redirect) window, as are the tray icon and tool tips;
# its window type is not reliable (Qt marks a menu reopened from the keyboard
# a normal window), so it is told from those by its size and type.
menu_open() {
    local w info
    for w in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
        info=$(xwininfo -id "$w" 2>/dev/null) || continue
        grep -q 'Override Redirect State: yes' <<<"$info" || continue
        [ "$(awk '/^  Width:/ {print $2}' <<<"$info")" -gt 32 ] || continue
        xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP && continue
        return 0
    done
    return 1
}

# For waiting until something is gone: wait_for 5 not menu_open.
not() { ! "$@"; }

# A visible window of the program titled exactly $1 (the first, if several).
window_id() { xdotool search --all --onlyvisible --pid "$APP_PID" --name "^$1\$" 2>/dev/null | head -1 | grep .; }
window_open() { window_id "$1" >/dev/null; }
# The window titled exactly $1 holds the keyboard. The window manager focuses a
# new dialog a moment after mapping it, and a key sent before goes to the window
# beneath, which the dialog blocks: the key is lost.
window_active() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "$1" ]; }

# The whole window $1 as "x y width height": the client plus the title bar and
# borders the window manager reports once it has framed it (left, right, top, bottom).
frame_of() {
    local x y w h l r t b
    read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /^  Width/ {w=$2} /^  Height/ {h=$2} END {print x, y, w, h}')
    IFS=, read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
    [ -n "$b" ] && echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

is_above() { xprop -id "$WIN" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }

# Moves the pointer to ($2, $3) inside window $1, then presses and releases
# button $4 once it is there.
click_at() {
    local wx wy
    read -r wx wy < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')
    xdotool mousemove --window "$1" "$2" "$3"
    wait_for 2 sh -c "xdotool getmouselocation | grep -q '^x:$((wx + $2)) y:$((wy + $3)) '" ||
        fail "the pointer did not reach ($2, $3) in window $1"
    xdotool click "$4"
}

# Keys by caption, typed on their keyboard keys (the keypad's for the operators).
press() {
    local key
    for key in "$@"; do
        case "$key" in
            /) xdotool key 106 ;; '*') xdotool key 63 ;; +) xdotool key 86 ;; -) xdotool key 82 ;;
            =) xdotool key Return ;; [0-9]) xdotool key "$key" ;; *) fail "no such key: $key" ;;
        esac
    done
}

# Copies the display with Ctrl+C and prints the clipboard text; prints
# "(nothing copied)" rather than failing, since it runs in a subshell.
# Ctrl+C is known to have landed when the clipboard's owner reports a new time
# of ownership (xclip answers with its text). Nothing is written to the
# clipboard first: a paste still on its way to the program would read that.
clipboard_stamp() { xclip -o -selection clipboard -t TIMESTAMP 2>/dev/null | od -An -tx1 | tr -d ' \n'; }
clipboard_retaken() { [ "$(clipboard_stamp)" != "$1" ]; }
copy_display() {
    local before
    before=$(clipboard_stamp)
    xdotool key ctrl+c
    if wait_for 5 clipboard_retaken "$before"; then
        xclip -o -selection clipboard 2>/dev/null
    else
        echo "(nothing copied)"
    fi
}

# The tray icon: the program's small XEmbed window mapped inside the tray host.
find_tray_icon() {
    local w width height
    for w in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
        read -r width height < <(xwininfo -id "$w" 2>/dev/null | awk '/^  Width:/ {w=$2} /^  Height:/ {h=$2} END {print w, h}')
        if [ "${width:-99}" -le 32 ] && [ "${height:-99}" -le 32 ]; then echo "$w"; return 0; fi
    done
    return 1
}

expect_eq() { [ "$1" = "$2" ] || fail "$3: expected '$2', got '$1'"; }
app_running() { kill -0 "$APP_PID" 2>/dev/null; }
