#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the upstream tarball DIR/trellum_VERSION.orig.tar.gz (DIR defaults to
# the parent folder, where dpkg-buildpackage looks for it), VERSION being the
# upstream part of the newest debian/changelog entry. Prints its path.
#   scripts/orig-tarball.sh [DIR]
# It is `git archive` of HEAD: the same commit gives the same bytes in any
# clone, every time stamp being the commit's date, and no tag is needed; a
# release checks out its tag vVERSION first, whose signature must then verify
# against debian/upstream/signing-key.asc, the key uscan checks it with.
# debian/ is left out (.gitattributes). Changes not yet committed, new files
# git does not ignore included, go in as a commit of their own with HEAD's
# date, so a package built before committing holds what the commit will.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-..}
version=$(dpkg-parsechangelog -S Version)
upstream=${version%-*}
out=$dir/trellum_$upstream.orig.tar.gz

commit=HEAD
if [ -n "$(git status --porcelain --untracked-files=normal -- . ':!debian')" ]; then
    index=$(mktemp)
    trap 'rm -f "$index"' EXIT
    cp "$(git rev-parse --git-path index)" "$index"
    GIT_INDEX_FILE=$index git add -A -- . ':!debian'
    tree=$(GIT_INDEX_FILE=$index git write-tree)
    date=$(git log -1 --format=%cI HEAD)
    commit=$(GIT_AUTHOR_NAME='The Trellum developers' GIT_AUTHOR_EMAIL=developers@trellum.org \
             GIT_COMMITTER_NAME='The Trellum developers' GIT_COMMITTER_EMAIL=developers@trellum.org \
             GIT_AUTHOR_DATE=$date GIT_COMMITTER_DATE=$date \
             git commit-tree -p HEAD -m "Uncommitted changes" "$tree")
elif [ "$(git rev-parse -q --verify "refs/tags/v$upstream^{commit}")" = "$(git rev-parse HEAD)" ]; then
    # Only the project's key is known in a keyring of its own, so any other
    # signature, or none, fails.
    keyring=$(mktemp -d)
    trap 'rm -rf "$keyring"' EXIT
    GNUPGHOME=$keyring gpg --batch --quiet --import debian/upstream/signing-key.asc
    if ! report=$(GNUPGHOME=$keyring git verify-tag "v$upstream" 2>&1); then
        echo "$report" >&2
        echo "ERROR: tag v$upstream is not signed with debian/upstream/signing-key.asc; no tarball made" >&2
        exit 1
    fi
fi
mkdir -p "$dir"
# Compressed as uscan compresses it, so both make the same bytes.
git archive --format=tar --prefix="trellum-$upstream/" "$commit" | gzip -n -9 >"$out"
echo "$out"
