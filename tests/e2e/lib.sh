# SPDX-License-Identifier: MIT
# Shared helpers of the end-to-end tests: a private X display with openbox and a
# tray host, the real program, and ways to press its keys and read it back.
# Every test sources this file, calls start_desktop and start_app, and fails
# with `fail MESSAGE`.
set -euo pipefail

: "${TRELLUM:?path of the trellum program}"
: "${SELOWNER:?path of the selowner helper}"

source "$E2E_DIR/../wait_for.sh"
E2E_TMP=$(mktemp -d)

# The program and the desktop see only what the test sets: a caller's Qt
# platform, scale factor, locale, folders or session would change what is drawn
# and where settings go (QT_QPA_PLATFORM=offscreen never maps an X window).
while read -r name; do unset "$name"; done < <(compgen -e | grep -E '^(QT_|QML_)')
unset WAYLAND_DISPLAY WAYLAND_SOCKET DISPLAY XAUTHORITY XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP \
      DESKTOP_SESSION GNOME_DESKTOP_SESSION_ID KDE_FULL_SESSION LANGUAGE GDK_SCALE GDK_DPI_SCALE
export QT_QPA_PLATFORM=xcb XDG_SESSION_TYPE=x11 DBUS_SESSION_BUS_ADDRESS=disabled:
export LANG=C.UTF-8 LC_ALL=C.UTF-8
export XDG_CONFIG_HOME="$E2E_TMP/config" XDG_DATA_HOME="$E2E_TMP/data" XDG_CACHE_HOME="$E2E_TMP/cache" \
       XDG_STATE_HOME="$E2E_TMP/state" XDG_RUNTIME_DIR="$E2E_TMP/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
# Tests change these after sourcing this file, before start_desktop.
E2E_SCREEN=1280x1024
E2E_NO_TRAY=0
APP_PID=""
CHILD_PIDS=()

cleanup() {
    local pid
    for pid in $APP_PID "${CHILD_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    # A service the session bus started on its own (the accessibility bus) is
    # no child of the test and may still write into the folder as it ends: the
    # removal is tried again, and a leftover is never the test's verdict.
    if [ -n "${E2E_KEEP:-}" ]; then
        echo "the desktop as the test failed: $E2E_TMP/failure.png" >&2
        return 0
    fi
    local tries
    for tries in 1 2 3 4 5; do
        rm -rf "$E2E_TMP" 2>/dev/null && return 0
        sleep 0.2
    done
    echo "note: could not remove $E2E_TMP" >&2
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ] && command -v import >/dev/null; then
        import -window root "$E2E_TMP/failure.png" 2>/dev/null && E2E_KEEP=1 || true
    fi
    exit 1
}

# A private X server; sets DISPLAY once it accepts clients.
start_xserver() {
    mkfifo "$E2E_TMP/displayfd"
    # -noreset: by default the server resets when its last client disconnects.
    # The readiness probes of start_desktop are often that client, and a reset
    # while openbox connects makes it fail to open the display (or abort).
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN}x24" -dpi 96 -nolisten tcp -noreset \
        3>"$E2E_TMP/displayfd" 2>"$E2E_TMP/xvfb.err" &
    CHILD_PIDS+=($!)
    local n
    read -r n <"$E2E_TMP/displayfd"
    export DISPLAY=":$n"
}

start_desktop() {
    start_xserver
    # A window manager that does not centre new windows, so first-run centring is the program's.
    mkdir -p "$E2E_TMP/openbox"
    sed 's|<center>yes</center>|<center>no</center>|' /etc/xdg/openbox/rc.xml >"$E2E_TMP/openbox/rc.xml"
    openbox --sm-disable --config-file "$E2E_TMP/openbox/rc.xml" 2>"$E2E_TMP/openbox.err" &
    CHILD_PIDS+=($!)
    wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "openbox did not start: $(grep -v debian-menu "$E2E_TMP/openbox.err" | head -3)"
    if [ "$E2E_NO_TRAY" != 1 ]; then
        trayer --edge top --align right --widthtype request --height 24 2>/dev/null &
        CHILD_PIDS+=($!)
        wait_for 10 "$SELOWNER" _NET_SYSTEM_TRAY_S0 || fail "tray host did not start"
    fi
    numlockx on 2>/dev/null || true
}

# Starts the program with its own settings folder; sets WIN to its main window.
start_app() {
    "$TRELLUM" 2>"$E2E_TMP/app.err" &
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

# The main window: titled exactly "Trellum" (the tray icon's window is named
# "trellum", and xdotool's name search ignores case).
find_main_window() {
    local w
    for w in $(xdotool search --pid "$APP_PID" --name '^Trellum$' 2>/dev/null); do
        if xprop -id "$w" WM_NAME 2>/dev/null | grep -q '= "Trellum"$'; then
            echo "$w"
            return 0
        fi
    done
    return 1
}

# A mapped window of the program titled exactly "Trellum" other than the main
# window: the message boxes.
message_box_open() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$APP_PID" --name '^Trellum$' 2>/dev/null); do
        [ "$w" != "$WIN" ] || continue
        xprop -id "$w" WM_NAME 2>/dev/null | grep -q '= "Trellum"$' && return 0
    done
    return 1
}

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

# The main window holds the keyboard again: after a dialog closes, the window
# manager gives the focus back a moment later, and a key sent before goes astray.
main_window_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$WIN" ]; }

window_height() { xwininfo -id "$WIN" | awk '/^  Height:/ {print $2}'; }
# Whole window height: the client plus the title bar and borders the window
# manager reports in _NET_FRAME_EXTENTS (left, right, top, bottom).
frame_height() {
    local ext
    ext=$(xprop -id "$WIN" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
    [ -n "$ext" ] || ext="0,0,0,0"
    echo $(( $(window_height) + $(echo "$ext" | cut -d, -f3) + $(echo "$ext" | cut -d, -f4) ))
}

is_above() { xprop -id "$WIN" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }

# Moves the pointer to ($2, $3) inside window $1, then presses and releases
# button $4 once it is there.
click_at() {
    xdotool mousemove --window "$1" "$2" "$3"
    wait_for 2 pointer_at "$1" "$2" "$3" || fail "the pointer did not reach ($2, $3) in window $1"
    xdotool click "$4"
}

# The pointer is at ($2, $3) inside window $1.
pointer_at() {
    local wx wy
    read -r wx wy < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')
    [ "$(xdotool getmouselocation --shell | sed -n 's/^[XY]=//p' | tr '\n' ' ')" = "$((wx + $2)) $((wy + $3)) " ]
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

clipboard() { xclip -o -selection clipboard 2>/dev/null; }

# xclip forks a server that ends when the program takes the selection; its
# output goes nowhere so a $(...) around this never waits for it.
set_clipboard() {
    printf '%s' "$1" | xclip -selection clipboard -i >/dev/null 2>&1
    wait_for 5 sh -c "[ \"\$(xclip -o -selection clipboard 2>/dev/null)\" = '$1' ]" || fail "could not set the clipboard"
}

# Copies the display with Ctrl+C and prints the clipboard text; prints
# "(nothing copied)" rather than failing, since it runs in a subshell.
copy_display() {
    # Ctrl+C is known to have landed when the clipboard's owner reports a new
    # time of ownership. Nothing is written to the clipboard first: a paste
    # still on its way to the program would read that instead of its text.
    local before
    before=$(clipboard_stamp)
    xdotool key ctrl+c
    if wait_for 5 clipboard_retaken "$before"; then
        clipboard
    else
        echo "(nothing copied)"
    fi
}

# What the clipboard's owner answers for its time of ownership, as hex; the
# program answers with the time it took the clipboard, xclip with its text.
clipboard_stamp() { xclip -o -selection clipboard -t TIMESTAMP 2>/dev/null | od -An -tx1 | tr -d ' \n'; }
clipboard_retaken() { [ "$(clipboard_stamp)" != "$1" ]; }

# The tray icon: the program's small XEmbed window mapped inside the tray host.
find_tray_icon() {
    local w info width height
    for w in $(xdotool search --pid "$APP_PID" 2>/dev/null); do
        info=$(xwininfo -id "$w" 2>/dev/null) || continue
        grep -q IsViewable <<<"$info" || continue
        width=$(awk '/^  Width:/ {print $2}' <<<"$info")
        height=$(awk '/^  Height:/ {print $2}' <<<"$info")
        if [ "$width" -le 32 ] && [ "$height" -le 32 ]; then
            echo "$w"
            return 0
        fi
    done
    return 1
}

expect_eq() {
    [ "$1" = "$2" ] || fail "$3: expected '$2', got '$1'"
}

app_running() { kill -0 "$APP_PID" 2>/dev/null; }
