# Hostile settings files through the key-script runner's --hive: nothing hangs,
# nothing but a regular file of ours is replaced, nothing the user wrote is lost unseen.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
run() { timeout 120 "$RUNNER" --hive "$1" <<<"${2:-AC}" >/dev/null; }
only_files() {  # the folder holds exactly these names
    local got; got=$(cd "$1" && ls -A | sort | tr '\n' ' ')
    [ "$got" = "$2" ] || fail "$3: folder holds '$got', expected '$2'"
}

# A FIFO is neither read (that would hang) nor replaced.
mkdir "$TMP/fifo" && mkfifo "$TMP/fifo/system.reg"
run "$TMP/fifo/system.reg" "1 MIN:1" || fail "fifo: the run did not finish"
[ -p "$TMP/fifo/system.reg" ] || fail "fifo: replaced"
only_files "$TMP/fifo" "system.reg " "fifo"

# A link to a device: never read to its end, never renamed or replaced.
mkdir "$TMP/zero" && ln -s /dev/zero "$TMP/zero/system.reg"
# The address-space limit turns reading to the end into a quick failure. A
# sanitized runner reserves terabytes of shadow memory, so it runs without one.
(if [ -z "${ASAN_OPTIONS:-}" ]; then ulimit -v 2000000; fi; run "$TMP/zero/system.reg") ||
    fail "link to /dev/zero: the run failed"
[ "$(readlink "$TMP/zero/system.reg")" = /dev/zero ] || fail "link to /dev/zero: link changed"
only_files "$TMP/zero" "system.reg " "link to /dev/zero"
if [ "$(id -u)" = 0 ] && mknod "$TMP/null" c 1 3 2>/dev/null; then
    # What `ln -s /dev/null system.reg` does, without putting the real /dev/null at risk.
    mkdir "$TMP/devnull" && ln -s "$TMP/null" "$TMP/devnull/system.reg"
    run "$TMP/devnull/system.reg" "MODE" || fail "link to a null device: the run failed"
    [ -c "$TMP/null" ] || fail "link to a null device: the device was replaced"
    only_files "$TMP/devnull" "system.reg " "link to a null device"
fi

# A link to a regular file is read and written through; the link stays.
mkdir "$TMP/link" && cp "$DATA/typical.reg" "$TMP/link/real.reg" && ln -s real.reg "$TMP/link/system.reg"
run "$TMP/link/system.reg" "MODE" || fail "link: the run failed"
[ "$(readlink "$TMP/link/system.reg")" = real.reg ] || fail "link: the link was replaced"
grep -q '"Mode"=dword:00000000' "$TMP/link/real.reg" || fail "link: the target was not written"
only_files "$TMP/link" "real.reg system.reg " "link"

# A value of a type the program does not write is set aside before the file is replaced.
for case in 'Mem 1"=dword:0000002a' 'Top"=hex:01,02' 'OnTop"="maybe"'; do
    rm -rf "$TMP/type" && mkdir "$TMP/type"
    name=${case%%\"*}
    sed "s/^\"$name\"=.*/\"$case/" "$DATA/typical.reg" >"$TMP/type/system.reg"
    cp "$TMP/type/system.reg" "$TMP/edited"
    grep -qF "\"$case" "$TMP/edited" || fail "wrong type: test file not edited for $name"
    run "$TMP/type/system.reg" || fail "wrong type $name: the run failed"
    aside=$(ls "$TMP/type" | grep '^system\.reg\.damaged-' || true)
    [ -n "$aside" ] || fail "wrong type $name: the hand edit was not set aside"
    cmp -s "$TMP/type/$aside" "$TMP/edited" || fail "wrong type $name: the set-aside file differs"
done

# A folder in the way is set aside, then the file written.
mkdir -p "$TMP/dir/system.reg"
run "$TMP/dir/system.reg" || fail "folder: the run failed"
[ -f "$TMP/dir/system.reg" ] || fail "folder: no settings file written"
ls -d "$TMP"/dir/system.reg.damaged-* >/dev/null 2>&1 || fail "folder: not set aside"

# Temporary files of ours left by a crash are removed once old; other files are not.
mkdir "$TMP/temp" && cp "$DATA/typical.reg" "$TMP/temp/system.reg"
: >"$TMP/temp/.system.reg.tmp-4194999-0"       # no process here has this id
touch -d '2 days ago' "$TMP/temp/.system.reg.tmp-4194999-0"
: >"$TMP/temp/system.reg.tmp-Ab12Cd"           # another program's name
: >"$TMP/temp/system.reg.tmp-keep-me"
run "$TMP/temp/system.reg" || fail "temporary files: the run failed"
only_files "$TMP/temp" "system.reg system.reg.tmp-Ab12Cd system.reg.tmp-keep-me " "temporary files"

# A new file follows the user's umask.
(umask 077; run "$TMP/umask/trellum/system.reg") || fail "umask: the run failed"
[ "$(stat -c %a "$TMP/umask/trellum/system.reg")" = 600 ] || fail "umask: mode $(stat -c %a "$TMP/umask/trellum/system.reg")"

# Unknown keys nested deep come back no larger than they were read.
mkdir "$TMP/deep"
{
    printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE'
    for _ in $(seq 2000); do printf '\\k'; done
    printf ']\n"v"="x"\n\n'
    sed 1d "$DATA/typical.reg"
} >"$TMP/deep/system.reg"
before=$(stat -c %s "$TMP/deep/system.reg")
run "$TMP/deep/system.reg" || fail "deep: the run failed"
after=$(stat -c %s "$TMP/deep/system.reg")
[ "$after" -le "$before" ] || fail "deep: grew from $before to $after bytes"

echo ok
