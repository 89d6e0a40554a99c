#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The version is written in the project() line and, by hand, in the files a
# release ships beside the program: both manual pages, the Debian changelog's
# newest entry and the newest AppStream release. A release that forgets one of
# them fails here, as does a release tag that does not verify against the key
# uscan checks it with.
#
#   tests/packaging/version_test.sh VERSION SOURCE_DIR
set -euo pipefail
version=$1
source=$2
packaging=$source/packaging
status=0

fail() { echo "FAIL: $*" >&2; status=1; }
expect() {   # expect WHAT FILE PATTERN TEXT: the file's first match of PATTERN is TEXT
    local found
    found=$(grep -m1 -oE "$3" "$2" || true)
    [ "$found" = "$4" ] || fail "$1 in ${2#"$source"/} says '${found:-nothing}', the project is $version"
}

expect "manual page header" "$packaging/trellum.1" '"Trellum [0-9.]+"' "\"Trellum $version\""
expect "manual page version line" "$packaging/trellum.1" '^\.B trellum [0-9.]+$' ".B trellum $version"
expect "manual page header" "$packaging/trellum-keys.1" '"Trellum [0-9.]+"' "\"Trellum $version\""
expect "newest changelog entry" "$2/debian/changelog" '^trellum \([0-9.]+-' "trellum ($version-"
expect "newest AppStream release" "$packaging/io.github.trellum.Trellum.metainfo.xml.in" \
    '<release version="[0-9.]+"' "<release version=\"$version\""
# In the project's git tree (a package build has none): the key must import
# as a usable signing key of the project's, and the tag, where the clone
# carries it, verify against it.
if [ "$(git -C "$source" rev-parse --show-toplevel 2>/dev/null)" = "$(cd "$source" && pwd -P)" ]; then
    export GNUPGHOME
    GNUPGHOME=$(mktemp -d)
    trap 'rm -rf "$GNUPGHOME"' EXIT
    key=$source/debian/upstream/signing-key.asc
    { gpg --batch --quiet --import "$key" && gpg --with-colons --list-keys | awk -F: '$1 == "pub" && $2 !~ /[erd]/ && $12 ~ /S/ { p = 1 }
          /^uid:.*:The Trellum developers <developers@trellum.org>:/ { u = 1 } END { exit !(p && u) }'; } >/dev/null 2>&1 ||
        fail "${key#"$source"/} is no usable signing key of The Trellum developers"
    ! git -C "$source" rev-parse -q --verify "refs/tags/v$version" >/dev/null || git -C "$source" verify-tag "v$version" >/dev/null 2>&1 ||
        fail "tag v$version is not signed with ${key#"$source"/}"
fi
[ $status -eq 0 ] && echo "PASS: every shipped file names version $version"
exit $status
