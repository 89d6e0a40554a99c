# SPDX-License-Identifier: MIT
# Two copies of the program on one settings file, through the key-script
# runner's --hive: a copy held up inside its save keeps its temporary file
# while a copy in another PID namespace (a container, a sandbox) starts and
# saves, and the copy that ends last wins.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
if ! strace -qq -o /dev/null true 2>/dev/null || ! unshare -pf true 2>/dev/null; then
    echo "note: no strace or no PID namespaces here; nothing to test" >&2
    echo ok; exit 0
fi

hive="$TMP/system.reg"
cp "$DATA/typical.reg" "$hive"
temporary() { ls -A "$TMP" | grep -q '^\.system\.reg\.tmp-'; }

# Starts a copy that runs the keys $1 and is then held at its first fsync, the
# save's, its temporary file written, until `release`: strace stops it there.
# LeakSanitizer cannot run under ptrace: a sanitized runner held by strace
# checks everything but leaks (the untraced copies still check those).
start_held() {
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" strace -qq -f -o /dev/null -e trace=fsync -e inject=fsync:signal=SIGSTOP:when=1 \
        "$RUNNER" --hive "$hive" <<<"$1" >/dev/null &
    RUNNING=$!
    wait_for 10 held_in_fsync || fail "$2: the copy never began its save"
}
# The runner under strace has entered fsync (system call 74 on x86-64).
held_in_fsync() {
    local pid
    pid=$(pgrep -P "$RUNNING") && [ "$(cut -d' ' -f1 "/proc/$pid/syscall")" = 74 ]
}
release() {
    kill -CONT "$(pgrep -P "$RUNNING")"
    wait "$RUNNING" || fail "$1: the held copy failed"
    RUNNING=""
}

# The first copy stores 1 in slot 1 and is held in its save.
start_held "1 MIN:1" "first copy"
name=$(ls -A "$TMP" | grep '^\.system\.reg\.tmp-')
if command -v flock >/dev/null; then
    flock -n "$TMP/$name" true && fail "the temporary file of a save in progress is not locked"
fi

# The second copy, in a PID namespace of its own, starts, stores 2 in slot 1 and saves.
unshare -pf "$RUNNER" --hive "$hive" <<<"2 MIN:1" >/dev/null || fail "the second copy failed"
grep -q '^"Mem 1"="2\."$' "$hive" || fail "the second copy's save is missing: $(grep 'Mem 1"' "$hive")"
[ -e "$TMP/$name" ] || fail "the second copy removed the first one's temporary file"

# The first copy ends last: its slot is the one kept.
release "first copy"
grep -q '^"Mem 1"="1\."$' "$hive" || fail "the copy that ended last lost its save: $(grep 'Mem 1"' "$hive")"
temporary && fail "a temporary file was left: $(ls -A "$TMP")"

# A copy whose temporary file is taken away during its save (as an older
# version's clean-up would) writes a fresh one rather than losing its save.
start_held "9 MIN:1" "vanishing temporary file"
rm "$TMP"/.system.reg.tmp-*
release "vanishing temporary file"
grep -q '^"Mem 1"="9\."$' "$hive" || fail "a save whose temporary file vanished was lost: $(grep 'Mem 1"' "$hive")"
temporary && fail "a temporary file was left: $(ls -A "$TMP")"
echo ok
