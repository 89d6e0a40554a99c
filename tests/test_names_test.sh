#!/usr/bin/env bash
# The suite's test names are short and the same in every build, so that
# `ctest -R NAME` and `ctest --rerun-failed` find a test again: none longer
# than 100 characters, none holding a printed parameter (a byte dump of a
# struct, with heap addresses in it, changes from build to build).
#   tests/test_names_test.sh BUILD_DIR
set -euo pipefail
names=$(ctest --test-dir "$1" -N | sed -n 's/^ *Test *#[0-9]*: //p')
count=$(grep -c . <<<"$names" || true)
[ "$count" -gt 0 ] || { echo "FAIL: ctest listed no tests in $1" >&2; exit 1; }

status=0
while IFS= read -r name; do
    problem=""
    if [ ${#name} -gt 100 ]; then
        problem="${#name} characters long"
    elif grep -qE -- '-byte object|<[0-9A-F]{2}(-[0-9A-F]{2})+|0x[0-9a-f]{6,}' <<<"$name"; then
        problem="holds a printed value"
    elif grep -q '[[:space:]]' <<<"$name"; then
        problem="holds a blank"
    fi
    if [ -n "$problem" ]; then
        echo "FAIL: test name $problem: ${name:0:160}" >&2
        status=1
    fi
done <<<"$names"
# Two tests of one name could not be told apart by -R either.
duplicates=$(sort <<<"$names" | uniq -d)
[ -z "$duplicates" ] || { echo "FAIL: test names used twice: $duplicates" >&2; status=1; }
[ $status -eq 0 ] && echo "PASS: $count test names, all short and stable"
exit $status
