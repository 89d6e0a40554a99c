#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The translations of the menu entry and the AppStream metadata in
# packaging/po/: the template is what xgettext extracts from the templates now,
# every .po file is in LINGUAS, and right-to-left texts read right to left.
# packaging.metadata finds a text missing, empty or fuzzy in the files built
# from them; translations.terms holds the words to shell/i18n/TERMS.md.
#
#   tests/packaging/desktop_translations_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
po=$source_dir/packaging/po
status=0
fail() { echo "FAIL: $*" >&2; status=1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A text changed in a template without `update_desktop_translations` reaches
# no translator: the committed template must be what extraction gives now.
"$po/update.sh" --pot "$work/fresh.pot"
if ! diff -u <(grep -v '^"POT-Creation-Date:' "$po/trellum-desktop.pot") \
             <(grep -v '^"POT-Creation-Date:' "$work/fresh.pot") > "$work/pot.diff"; then
    fail "packaging/po/trellum-desktop.pot is stale; run: cmake --build build --target update_desktop_translations"
    cat "$work/pot.diff" >&2
fi

for file in "$po"/*.po; do
    grep -qx "$(basename "$file" .po)" "$po/LINGUAS" || fail "$(basename "$file") is not in packaging/po/LINGUAS, so the build ignores it"
done

# A right-to-left paragraph whose first strong letter is Latin ("Trellum is ...")
# reads left to right unless a right-to-left mark leads it.
for lang in ar he; do
    if found=$(LC_ALL=C.UTF-8 grep -P '^msgstr "[^"A-Za-z\x{0590}-\x{08FF}\x{200F}]*[A-Za-z][^"]*[\x{0590}-\x{08FF}]' "$po/$lang.po"); then
        fail "$lang.po: a paragraph begins with a Latin word without a right-to-left mark: $found"
    fi
done

[ $status -eq 0 ] && echo "PASS: every translation listed, the template current"
exit $status
