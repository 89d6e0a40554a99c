#!/usr/bin/env bash
# What Orca, the desktop's screen reader, says while the real program is used
# from the keyboard: a new result after a function key or "=", the indicators a
# key turns on or off, nothing while digits are typed, the memory dialog, where
# am I on "=", the display in flat review, and the window modes. Orca logs every
# utterance to its debug file (as SPEECH OUTPUT), with or without a speech
# server, so the test reads what a user would hear from that file.
source "$E2E_DIR/atspi_lib.sh"

[ -f /usr/bin/orca ] || fail "orca is not installed (scripts/install-deps.sh installs it)"
E2E_NO_TRAY=0   # hiding goes to the tray, as on a desktop
start_desktop
# NumLock off from the start, as Orca's keypad commands want it: switched off
# halfway, Orca and the program have been seen to take a keypad key by the old
# state on a loaded machine. Nothing before flat review uses the keypad's digits.
numlockx off
numlock_off() { xset q | grep -q 'Num Lock: *off'; }
wait_for 10 numlock_off || fail "NumLock stayed on"
start_atspi

# Orca first, as on a user's desktop: it learns of the window as it opens.
SPOKEN="$E2E_TMP/orca.log"
# No speech server: Orca's start of one may hang on its pipes, and the log is
# all the test listens to.
SPEECHD_CMD=/bin/false /usr/bin/python3 "$E2E_DIR/run_orca.py" "$SPOKEN" >"$E2E_TMP/orca.out" 2>&1 &
CHILD_PIDS+=($!)
wait_for 60 grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$SPOKEN" ||
    fail "Orca did not start: $(tail -5 "$E2E_TMP/orca.out")"
start_accessible_app LC_ALL=C
wait_for 30 grep -q "SPEECH OUTPUT: 'equals push button.'" "$SPOKEN" ||
    fail "Orca did not read the focused key: $(grep "SPEECH OUTPUT" "$SPOKEN")"

# What Orca has said since line $1 of its log, one utterance a line, without
# its echo of the keys pressed (those end in a blank: '9 ', 'F3 ').
said_since() {
    tail -n +"$(( $1 + 1 ))" "$SPOKEN" | sed -n "s/^.* - SPEECH OUTPUT: '\([^']*\)'.*$/\1/p" | grep -v ' $' || true
}
said_exactly() { [ "$(said_since "$1")" = "$2" ]; }
# Orca has said nothing for a second.
log_holds_still() {
    local lines
    lines=$(grep -c "SPEECH OUTPUT" "$SPOKEN")
    sleep 1
    [ "$(grep -c "SPEECH OUTPUT" "$SPOKEN")" = "$lines" ]
}

# Presses keys (xdotool names; "A B" presses A and B in quick succession) and
# checks what Orca says about them.
expect_said() {
    local expected="$1" start
    shift
    start=$(wc -l <"$SPOKEN")
    for keys in "$@"; do
        # shellcheck disable=SC2086
        xdotool key --delay 100 $keys
        sleep 0.3
    done
    if [ -n "$expected" ]; then
        # A function, so that the log is read again at each try.
        wait_for 15 said_exactly "$start" "$expected" || true
    fi
    # Anything more Orca says comes before a second of silence.
    wait_for 15 log_holds_still || fail "Orca kept talking after $*: $(said_since "$start")"
    expect_eq "$(said_since "$start")" "$expected" "Orca after $*"
}

expect_said "" 9                        # typing is echoed by Orca, not announced
expect_said "3" F3                      # square root
expect_said "4" 1 6 F3
# Orca's default layout keeps the keypad for its own commands; Orca+BackSpace
# passes the next key through, as a user does for the keypad's operators.
expect_said "Bypass mode enabled." 2 Insert+BackSpace
expect_said "" KP_Add 3
expect_said "5" Return
expect_said "shift" Shift_L
expect_said "shift off" Shift_L
expect_said "radians" m
expect_said "4 times ten to the power 18" 2 Next 9 F2   # 2E9 squared
# Min is Insert, Orca's own modifier, which Orca passes on when pressed twice.
# The memory dialog reads as its lines; the news of the choice ("memory" lit)
# waits until "=" has the focus back, or Orca would not say it.
expect_said $'Save a number dialog Select a memory slot:\nMemory slots.\nList with 10 items.' "Insert Insert"
expect_said "slot 1 holds 0." Down
expect_said $'Trellum frame.\nequals push button.\nEnter; Display 4 times ten to the power 18.\nmemory' Return
# Where am I (keypad Enter) on "=" tells the number it works on.
expect_said "equals push button Enter; Display 4 times ten to the power 18." KP_Enter
expect_said "compact window" ctrl+s
expect_said "full window" ctrl+s
# Flat review (the keypad with NumLock off) from the top of the window: the
# menu bar, then the display, read as its number.
start=$(wc -l <"$SPOKEN")
# Key codes, so that xdotool presses no NumLock of its own: 79 is the keypad's
# Home, 81 its Page Up.
xdotool keydown Insert key 79 keyup Insert
said_something() { [ -n "$(said_since "$start")" ]; }
wait_for 5 said_something || fail "flat review did not start"
xdotool key 81
reviewed() { said_since "$start" | grep -qx "4 times ten to the power 18"; }
wait_for 15 reviewed || fail "flat review did not reach the display: $(said_since "$start")"
# Flat review may go on reading the window after the display: the next step
# starts once Orca has said nothing for a second.
wait_for 15 log_holds_still || fail "Orca kept talking after flat review: $(said_since "$start")"
expect_said "hidden in the tray" Escape
echo "PASS"
