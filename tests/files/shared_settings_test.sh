# Two copies of the program on one settings file, through the key-script
# runner's --hive: a copy held up inside its save keeps its temporary file
# while a copy in another PID namespace (a container, a sandbox) starts and
# saves, and the copy that ends last wins.
set -euo pipefail
: "${RUNNER:?path of trellum-keys}"
: "${DATA:?folder of the test data}"
TMP=$(mktemp -d)
HELD=""
trap '[ -z "$HELD" ] || kill "$HELD" 2>/dev/null || true; rm -rf "$TMP"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
wait_for() {  # polls a command for up to $1 seconds
    local tries=$(($1 * 50)); shift
    until "$@" >/dev/null 2>&1; do
        tries=$((tries - 1)); [ $tries -gt 0 ] || return 1; sleep 0.02
    done
}
if ! strace -qq -o /dev/null true 2>/dev/null || ! unshare -pf true 2>/dev/null; then
    echo "note: no strace or no PID namespaces here; nothing to test" >&2
    echo ok; exit 0
fi

# LeakSanitizer cannot run under ptrace: a sanitized runner held by strace
# checks everything but leaks (the untraced copies still check those).
traced() { ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" strace "$@"; }

hive="$TMP/system.reg"
cp "$DATA/typical.reg" "$hive"
temporary() { ls -A "$TMP" | grep -q '^\.system\.reg\.tmp-'; }

# The first copy stores 1 in slot 1; its save waits 4 s in fsync.
traced -qq -f -o /dev/null -e trace=fsync -e inject=fsync:delay_enter=4000000 \
    "$RUNNER" --hive "$hive" <<<"1 MIN:1" >/dev/null &
HELD=$!
wait_for 20 temporary || fail "the first copy never began its save"
name=$(ls -A "$TMP" | grep '^\.system\.reg\.tmp-')
if command -v flock >/dev/null; then
    flock -n "$TMP/$name" true && fail "the temporary file of a save in progress is not locked"
fi

# The second copy, in a PID namespace of its own, starts, stores 2 in slot 1 and saves.
unshare -pf "$RUNNER" --hive "$hive" <<<"2 MIN:1" >/dev/null || fail "the second copy failed"
grep -q '^"Mem 1"="2\."$' "$hive" || fail "the second copy's save is missing: $(grep 'Mem 1"' "$hive")"
[ -e "$TMP/$name" ] || fail "the second copy removed the first one's temporary file"

# The first copy ends last: its slot is the one kept.
wait "$HELD" || fail "the first copy failed"
HELD=""
grep -q '^"Mem 1"="1\."$' "$hive" || fail "the copy that ended last lost its save: $(grep 'Mem 1"' "$hive")"
temporary && fail "a temporary file was left: $(ls -A "$TMP")"

# A copy whose temporary file is taken away during its save (as an older
# version's clean-up would) writes a fresh one rather than losing its save.
traced -qq -f -o /dev/null -e trace=fsync -e inject=fsync:delay_enter=2000000 \
    "$RUNNER" --hive "$hive" <<<"9 MIN:1" >/dev/null &
HELD=$!
wait_for 20 temporary || fail "the copy never began its save"
rm -f "$TMP"/.system.reg.tmp-*
wait "$HELD" || fail "the copy failed"
HELD=""
grep -q '^"Mem 1"="9\."$' "$hive" || fail "a save whose temporary file vanished was lost: $(grep 'Mem 1"' "$hive")"
temporary && fail "a temporary file was left: $(ls -A "$TMP")"
echo ok
