# SPDX-License-Identifier: MIT
# What a desktop's launcher relies on when it starts the calculator from its
# menu entry: the entry promises StartupNotify=true, so the program must end
# the launch's busy feedback once its window is up; and on X11 the window's
# class must be the entry's StartupWMClass, so the desktop shows the entry's
# name and icon for it. (On Wayland the program names the entry itself, as its
# application id.) A relaunch's feedback is ended by the running copy.
source "$E2E_DIR/lib.sh"
start_desktop
# The template of the entry: the keys checked here are not translated.
entry=$(ls "$E2E_DIR"/../../packaging/*.desktop.in)
id=$(basename "$entry" .desktop.in)
grep -qx 'StartupNotify=true' "$entry" || fail "$id.desktop does not promise StartupNotify=true"

"${X_CLIENT[@]}" startup-log >"$E2E_TMP/startup.log" 2>&1 &
CHILD_PIDS+=($!)
wait_for 10 grep -qx listening "$E2E_TMP/startup.log" || fail "the listener did not start: $(cat "$E2E_TMP/startup.log")"

# What a launcher sets for the program it starts.
export DESKTOP_STARTUP_ID="trellum-e2e-$$_TIME0"
start_app
unset DESKTOP_STARTUP_ID
# Qt writes the id without quotes, which the startup-notification protocol allows.
wait_for 10 grep -qE "^remove: ID=\"?trellum-e2e-$$_TIME0\"?\$" "$E2E_TMP/startup.log" ||
    fail "the program did not end its launch feedback: $(cat "$E2E_TMP/startup.log")"

# A launch from the entry while the calculator runs hands its id to the running
# copy, which ends the feedback in its stead.
DESKTOP_STARTUP_ID="trellum-again-$$_TIME0" "$TRELLUM" || fail "the second launch failed"
wait_for 10 grep -qE "^remove: ID=\"?trellum-again-$$_TIME0\"?\$" "$E2E_TMP/startup.log" ||
    fail "the running copy did not end the second launch's feedback: $(cat "$E2E_TMP/startup.log")"

wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
xprop -id "$WIN" WM_CLASS | grep -qF "\"$wm_class\"" ||
    fail "WM_CLASS is $(xprop -id "$WIN" WM_CLASS), the entry's StartupWMClass is '$wm_class'"
echo "ok"
