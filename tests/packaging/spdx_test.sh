#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every source, script and build file git knows of names its licence in its first
# line (the second after a shebang or an XML declaration), so a file copied out
# of the tree keeps it. Data (texts, pictures, translations, key scripts) is
# covered by LICENSE alone.
#
#   tests/packaging/spdx_test.sh SOURCE_DIR
# Skips (status 77) where SOURCE_DIR is no git work tree of its own, as an
# unpacked release tarball.
set -euo pipefail
cd "$1"
[ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$(pwd -P)" ] || { echo "SKIP: $1 is not the top of a git work tree"; exit 77; }

status=0
count=0
while IFS= read -r -d '' file; do
    [ -f "$file" ] || continue   # deleted, not yet committed
    case $file in
        *.c | *.cpp | *.h | *.py | *.sh | *.cmake | */CMakeLists.txt | CMakeLists.txt | *.in | *.its | *.loc | debian/rules) ;;
        *) head -c 80 "$file" | head -n 1 | grep -q '^#! */' || continue ;;   # a script by its first line
    esac
    count=$((count + 1))
    awk 'NR == 1 && /^(#!|<\?xml)/ { next } { found = /SPDX-License-Identifier: MIT/; exit } END { exit !found }' "$file" ||
        { echo "FAIL: $file does not start with an SPDX-License-Identifier: MIT line" >&2; status=1; }
done < <(git ls-files -z --cached --others --exclude-standard)
[ $status -eq 0 ] && echo "PASS: $count source, script and build files name their licence"
exit $status
