# One running copy per user and display: a second launch brings the running
# window forward (shown again when it was hidden in the tray) and ends with
# status 0, however the display is spelt and whatever XDG_RUNTIME_DIR is; a
# crashed copy does not stop the next start, and another user listening where
# this user's copy would be never answers for it.
source "$E2E_DIR/own_env.sh"
source "$E2E_DIR/lib.sh"
own_environment
start_desktop
start_app
press 4 2

# Starts the program again; prints its exit status.
launch_again() {
    local status=0
    # A ceiling for a second copy that hangs; on a busy machine even its start takes seconds.
    timeout 180 "$TRELLUM" >"$E2E_TMP/again.out" 2>"$E2E_TMP/again.err" || status=$?
    echo "$status"
}
active_window() { xprop -root _NET_ACTIVE_WINDOW | sed -n 's/.*# 0x0*\([0-9a-f]*\).*/\1/p'; }
is_active() { [ "$(active_window)" = "$(printf '%x' "$WIN")" ]; }
# Ctrl+C right after the window came forward may reach it before Qt has the
# keyboard back (see start_app): asked again then.
copy_forward() {
    local text tries
    for tries in 1 2 3; do
        text=$(copy_display)
        [ "$text" = "(nothing copied)" ] || break
    done
    echo "$text"
}
main_windows() { xdotool search --name '^Trellum$' 2>/dev/null | while read -r w; do
    xprop -id "$w" WM_NAME 2>/dev/null | grep -q '= "Trellum"$' && echo "$w"; done | wc -l; }

# 1. While the window is minimised.
xdotool windowminimize --sync "$WIN"
expect_eq "$(launch_again)" 0 "second launch while running"
wait_for 10 is_mapped "$WIN" || fail "the minimised window was not restored"
wait_for 10 is_active || fail "the running window did not come forward"
expect_eq "$(main_windows)" 1 "main windows after a second launch"
expect_eq "$(copy_forward)" "42." "the running copy's display"

# 2. While hidden in the tray: shown again, the same copy.
xdotool key Escape
wait_for 10 sh -c "! xwininfo -id $WIN | grep -q IsViewable" || fail "Esc did not hide the window"
expect_eq "$(launch_again)" 0 "second launch while hidden"
wait_for 10 is_mapped "$WIN" || fail "the hidden window was not shown"
wait_for 10 is_active || fail "the shown window is not active"
expect_eq "$(copy_forward)" "42." "the shown copy's display"

# 3. The same display spelt otherwise, and runtime folders that could hold no
#    socket: still the one copy answers, and no second window opens.
number=${DISPLAY#:}
long="$E2E_TMP/$(printf 'long%.0s' $(seq 30))"
mkdir -p "$E2E_TMP/elsewhere" "$long" "$E2E_TMP/folder-in-the-way/trellum-x11:$number"
touch "$E2E_TMP/a-file"
launch_settled() { ! kill -0 "$1" 2>/dev/null || [ "$(main_windows)" -gt 1 ]; }
# Ends when the launch has: 0 when it was answered; fails when it opened a window of its own.
launch_variant() {
    local status=0
    env "$@" "$TRELLUM" >/dev/null 2>"$E2E_TMP/variant.err" &
    local pid=$!
    wait_for 60 launch_settled "$pid"
    if kill -0 "$pid" 2>/dev/null; then
        kill -s KILL "$pid"
        wait "$pid" 2>/dev/null || true
        echo "a second copy"
        return
    fi
    wait "$pid" || status=$?
    echo "$status"
}
while IFS='|' read -r name environment; do
    # shellcheck disable=SC2086
    expect_eq "$(launch_variant $environment)" 0 "$name: the launch (stderr: $(cat "$E2E_TMP/variant.err"))"
    expect_eq "$(main_windows)" 1 "$name: main windows"
done <<ROWS
unix: before the display number|DISPLAY=unix:$number
a leading zero in the number|DISPLAY=:0$number
the screen number|DISPLAY=:$number.0
runtime folder unset (su, sudo, cron)|-u XDG_RUNTIME_DIR
runtime folder elsewhere|XDG_RUNTIME_DIR=$E2E_TMP/elsewhere
runtime folder missing|XDG_RUNTIME_DIR=$E2E_TMP/missing
runtime folder is a file|XDG_RUNTIME_DIR=$E2E_TMP/a-file
runtime folder longer than a socket path holds|XDG_RUNTIME_DIR=$long
a folder where a socket would be|XDG_RUNTIME_DIR=$E2E_TMP/folder-in-the-way
ROWS

# 4. A crashed copy leaves nothing that stops the next start, and no file of
#    the user's is ever removed for being where a socket might be.
kill -s KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
echo "mine" >"$XDG_RUNTIME_DIR/trellum-x11:$number"
start_app
expect_eq "$(copy_display)" "0." "a fresh copy after a crash"
expect_eq "$(launch_again)" 0 "second launch after the restart"
expect_eq "$(main_windows)" 1 "main windows after the restart"
expect_eq "$(cat "$XDG_RUNTIME_DIR/trellum-x11:$number" 2>&1)" "mine" "a file where a socket might be"

# 5. User nobody listens where this user's copy would, with XDG_RUNTIME_DIR
#    unset or shared, and answers every launch: this user's calculator starts.
kill -s TERM "$APP_PID"
wait "$APP_PID" || fail "the copy did not end with status 0"
# Nobody reaches the shared folder and the listener's script, and nothing else here.
chmod o+x "$E2E_TMP"
chmod 1777 "$E2E_TMP/elsewhere"
cat >"$E2E_TMP/stranger.py" <<'PY'
import socket, sys, threading
def serve(address):
    s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    try:
        s.bind(address)
    except OSError:
        return
    s.listen(8)
    while True:
        line, _ = s.accept()
        line.recv(64)
        line.sendall(b"shown\n")
        line.close()
for address in sys.argv[1:]:
    threading.Thread(target=serve, args=(address.replace("@", "\0", 1),), daemon=True).start()
threading.Event().wait()
PY
chmod o+r "$E2E_TMP/stranger.py"
uid=$(id -u)
setpriv --reuid=nobody --regid=nogroup --clear-groups /usr/bin/python3 "$E2E_TMP/stranger.py" \
    "/tmp/trellum-$uid-x11:$number" "$E2E_TMP/elsewhere/trellum-x11:$number" "@trellum-$uid-x11:$number" &
STRANGER=$!
CHILD_PIDS+=("$STRANGER")
listening() { grep -q "@trellum-$uid-x11:$number\$" /proc/net/unix && [ -S "$E2E_TMP/elsewhere/trellum-x11:$number" ]; }
wait_for 20 listening || fail "nobody's listener did not start"
for runtime in unset shared; do
    if [ "$runtime" = unset ]; then unset XDG_RUNTIME_DIR; else export XDG_RUNTIME_DIR="$E2E_TMP/elsewhere"; fi
    "$TRELLUM" 2>"$E2E_TMP/app.err" &
    APP_PID=$!
    wait_for 20 find_main_window || fail "runtime folder $runtime: no window beside nobody's listener: $(cat "$E2E_TMP/app.err")"
    kill -s TERM "$APP_PID"
    wait "$APP_PID" || fail "runtime folder $runtime: the copy did not end with status 0"
done
kill "$STRANGER"
wait "$STRANGER" 2>/dev/null || true
rm -f "/tmp/trellum-$uid-x11:$number"
echo "ok"
