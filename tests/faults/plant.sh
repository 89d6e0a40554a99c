#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Plants each catalogued fault alone, rebuilds, and expects the suite to fail.
#   tests/faults/plant.sh [-B BUILD_DIR] [FAULT_FILE...]     (default: every tests/faults/*.fault)
# A fault file describes one edit a user would notice:
#   # One line saying what the user would see
#   file: functions/angles.cpp
#   tests: golden.functions|engine_test      (optional: the ctest regex expected to catch it, run first)
#   build: trellum-keys engine_test          (optional: the targets those tests need, built first)
#   <<<<
#   exact lines as they stand in the file (must occur exactly once)
#   ====
#   the lines that replace them
#   >>>>
# The named tests run first, the whole suite (fully built) only when they miss;
# the file is then put back byte for byte, but newer, so that it rebuilds. Run
# by hand before a change to the tests lands; it is not part of CI.
set -uo pipefail
cd "$(dirname "$0")/../.."
build=build
if [ "${1:-}" = "-B" ]; then build=$2; shift 2; fi
faults=("$@")
[ ${#faults[@]} -gt 0 ] || faults=(tests/faults/*.fault)

cmake --build "$build" -j"$(nproc)" >/dev/null || { echo "the build fails before any fault is planted" >&2; exit 2; }

edit() {  # edit FAULT plant|check: replaces the old lines by the new ones in the named file
    python3 - "$1" "$2" <<'PY'
import sys, re
fault, mode = sys.argv[1], sys.argv[2]
text = open(fault, encoding="utf-8").read()
m = re.search(r"^file: *(\S+)\s*$", text, re.M)
body = re.search(r"^<<<<\n(.*?)^====\n(.*?)^>>>>$", text, re.M | re.S)
if not m or not body:
    sys.exit("malformed fault file")
path, old, new = m.group(1), body.group(1), body.group(2)
try:
    source = open(path, encoding="utf-8", newline="").read()
except OSError as error:
    sys.exit(f"{path}: {error.strerror}")
if "\r\n" in source:  # a file of CR LF lines keeps them
    old, new = old.replace("\n", "\r\n"), new.replace("\n", "\r\n")
if source.count(old) != 1:
    sys.exit(f"{path}: the old lines occur {source.count(old)} times")
if mode == "plant":
    open(path, "w", encoding="utf-8", newline="").write(source.replace(old, new))
print(path)
PY
}

missed=0
for fault in "${faults[@]}"; do
    name=$(basename "$fault" .fault)
    title=$(sed -n '1s/^# *//p' "$fault")
    hint=$(sed -n 's/^tests: *//p' "$fault")
    targets=$(sed -n 's/^build: *//p' "$fault")
    if ! path=$(edit "$fault" check 2>&1); then
        echo "INVALID $name: $path"; missed=$((missed + 1)); continue
    fi
    backup=$(mktemp)
    cp -p "$path" "$backup"
    edit "$fault" plant >/dev/null
    log=$(mktemp)
    caught_by() { sed -n '/tests FAILED/,$ s/^[[:space:]]*[0-9]* - \([^ ]*\) (.*/\1/p' "$log" | sort -u | tr '\n' ' '; }
    # shellcheck disable=SC2086
    if ! cmake --build "$build" -j"$(nproc)" ${targets:+--target $targets} >/dev/null 2>&1; then
        verdict="INVALID $name: does not build when planted"
    elif [ -n "$hint" ] && ! ctest --test-dir "$build" -j"$(nproc)" -R "$hint" >"$log" 2>&1; then
        verdict="CAUGHT $name by $(caught_by)"
    elif ! cmake --build "$build" -j"$(nproc)" >/dev/null 2>&1; then
        verdict="INVALID $name: does not build when planted"
    elif ! ctest --test-dir "$build" -j"$(nproc)" --stop-on-failure >"$log" 2>&1; then
        verdict="CAUGHT $name by $(caught_by)${hint:+ (not by $hint)}"
    else
        verdict="MISSED $name: $title"
    fi
    rm -f "$log"
    # Put back byte for byte but newer than the faulty build, so it is rebuilt.
    cp "$backup" "$path"; rm -f "$backup"
    echo "$verdict"
    case $verdict in CAUGHT*) ;; *) missed=$((missed + 1)) ;; esac
done
cmake --build "$build" -j"$(nproc)" >/dev/null 2>&1
echo "$((${#faults[@]} - missed)) of ${#faults[@]} faults caught"
[ $missed -eq 0 ]
