#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The translations of the menu entry and the AppStream metadata in
# packaging/po/: the template is what xgettext extracts from the templates now,
# every language of LINGUAS has its .po file with every text translated (none
# missing, empty or fuzzy). The program's languages are those of LINGUAS too;
# the words are held to shell/i18n/TERMS.md by translations.terms.
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

linguas=$(grep -v '^#' "$po/LINGUAS" | xargs)
for file in "$po"/*.po; do
    lang=$(basename "$file" .po)
    grep -qx "$lang" <<<"${linguas// /$'\n'}" || fail "$lang.po is not in packaging/po/LINGUAS, so the build ignores it"
done

# The one line of a translation (the files are written without wrapping).
translation() { awk -v id="msgid \"$2\"" '$0 == id { getline; sub(/^msgstr "/, ""); sub(/"$/, ""); print }' "$1"; }

for lang in $linguas; do
    file=$po/$lang.po
    [ -f "$file" ] || { fail "LINGUAS names $lang, packaging/po/$lang.po is missing"; continue; }
    # msgfmt -c checks the header and the format of every translation; its
    # statistics name fuzzy and untranslated texts, msgcmp texts missing altogether.
    if ! stats=$(LC_ALL=C msgfmt -c --statistics -o /dev/null "$file" 2>&1); then
        fail "msgfmt -c rejects $lang.po: $stats"
    elif ! grep -qE '^[0-9]+ translated messages?\.$' <<<"$stats"; then
        fail "$lang.po is incomplete: $stats"
    fi
    report=$(msgcmp --use-untranslated --use-fuzzy "$file" "$po/trellum-desktop.pot" 2>&1) || fail "$lang.po lacks texts of the template: $report"
    # A list of search words without its closing semicolon breaks the entry's Keywords.
    keywords=$(translation "$file" "calculator;scientific;trigonometry;logarithm;constants;memory;")
    [[ $keywords == *\; ]] || fail "$lang.po: the Keywords translation does not end in a semicolon"
done

# A right-to-left paragraph whose first strong letter is Latin ("Trellum is ...")
# reads left to right unless a right-to-left mark leads it.
for lang in ar he; do
    if found=$(LC_ALL=C.UTF-8 grep -P '^msgstr "[^"A-Za-z\x{0590}-\x{08FF}\x{200F}]*[A-Za-z][^"]*[\x{0590}-\x{08FF}]' "$po/$lang.po"); then
        fail "$lang.po: a paragraph begins with a Latin word without a right-to-left mark: $found"
    fi
done

[ $status -eq 0 ] && echo "PASS: $(wc -w <<<"$linguas") languages translated in full, the template current"
exit $status
