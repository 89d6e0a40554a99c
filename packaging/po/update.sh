#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Extracts the translatable texts of the menu entry and the AppStream metadata
# templates into trellum-desktop.pot, then merges that template into every
# language's .po file: a new text comes out untranslated, a changed one fuzzy,
# and a language new to LINGUAS gets its .po file started.
#
#   packaging/po/update.sh              refresh trellum-desktop.pot and LANG.po
#   packaging/po/update.sh --pot FILE   only write the template to FILE
set -euo pipefail
po=$(cd "$(dirname "$0")" && pwd)
pot=$po/trellum-desktop.pot
[ "${1:-}" = --pot ] && pot=$(realpath -m "$2")

# Run from packaging/ so the references name the templates without a path.
cd "$po/.."
# The metadata's rules of its/, for a host without appstream's (same result).
export GETTEXTDATADIRS=$PWD
xgettext --from-code=UTF-8 --add-comments=TRANSLATORS: --no-wrap \
    --copyright-holder="The Trellum developers" --package-name=trellum --msgid-bugs-address=https://github.com/trellum/trellum/issues \
    -o "$pot" io.github.trellum.Trellum.desktop.in io.github.trellum.Trellum.metainfo.xml.in
[ "${1:-}" = --pot ] && exit 0

while read -r lang; do
    case $lang in ''|'#'*) continue ;; esac
    if [ -f "$po/$lang.po" ]; then
        msgmerge --quiet --update --backup=none --no-wrap "$po/$lang.po" "$pot"
    else
        # A language new to LINGUAS starts with every text untranslated.
        msginit --no-translator --no-wrap --locale="$lang" --input="$pot" --output-file="$po/$lang.po"
    fi
done < "$po/LINGUAS"
