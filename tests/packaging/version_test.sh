#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The version is written in the project() line and, by hand, in the files a
# release ships beside the program: both manual pages, the Debian changelog's
# newest entry and the newest AppStream release. A release that forgets one of
# them fails here.
#
#   tests/packaging/version_test.sh VERSION SOURCE_DIR
set -euo pipefail
version=$1
source=$2
packaging=$source/packaging
status=0

expect() {   # expect WHAT FILE PATTERN: the file's first line matching the pattern names $version
    local found
    found=$(grep -m1 -oE "$3" "$2" || true)
    if [ "$found" != "$4" ]; then
        echo "FAIL: $1 in ${2#"$source"/} says '${found:-nothing}', the project is $version" >&2
        status=1
    fi
}

expect "manual page header" "$packaging/trellum.1" '"Trellum [0-9.]+"' "\"Trellum $version\""
expect "manual page version line" "$packaging/trellum.1" '^\.B trellum [0-9.]+$' ".B trellum $version"
expect "manual page header" "$packaging/trellum-keys.1" '"Trellum [0-9.]+"' "\"Trellum $version\""
expect "newest changelog entry" "$2/debian/changelog" '^trellum \([0-9.]+-' "trellum ($version-"
expect "newest AppStream release" "$packaging/io.github.trellum.Trellum.metainfo.xml.in" \
    '<release version="[0-9.]+"' "<release version=\"$version\""
[ $status -eq 0 ] && echo "PASS: every shipped file names version $version"
exit $status
