#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The desktop entry and the AppStream metadata that the build generates from
# their templates and packaging/po/, as desktops and software centres read
# them: both validate cleanly, each names the other, every language the
# program speaks has every text of both, and each screenshot the metadata
# lists is in the repository at the size it states.
#
#   tests/packaging/metadata_test.sh SOURCE_DIR GENERATED_DIR [LANGUAGE...]
# GENERATED_DIR is build/packaging; the languages are the program's
# translations (de fr ...), from CMake.
set -euo pipefail
packaging=$1/packaging
generated=$2
shift 2
languages="$*"
id=io.github.trellum.Trellum
desktop=$generated/$id.desktop
metainfo=$generated/$id.metainfo.xml
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

[ -f "$desktop" ] && [ -f "$metainfo" ] || { echo "FAIL: $generated holds no $id.desktop or metainfo (build the project first)" >&2; exit 1; }

# desktop-file-validate 0.26, Debian 12's, predates SingleMainWindow (version
# 1.5 of the format), which the entry sets for the docks that read it.
report=$(desktop-file-validate "$desktop" 2>&1 | grep -v 'contains key "SingleMainWindow" in group "Desktop Entry"' || true)
[ -z "$report" ] || fail "desktop-file-validate: $report"

# --pedantic also hints that the component id holds a capital letter: the id
# is the one the project was published under, and renaming it would make
# software centres list the calculator twice.
report=$(appstreamcli validate --pedantic --no-net --no-color "$metainfo" 2>&1) || fail "appstreamcli rejects the metadata"
issues=$(grep -E '^[EWIP]: ' <<<"$report" | grep -v ': cid-contains-uppercase-letter ' || true)
[ -z "$issues" ] || fail "appstreamcli validate --pedantic: $issues"

launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[ "$launchable" = "$id.desktop" ] || fail "the metadata launches '$launchable', the entry is $id.desktop"

grep -q '<translation type="qt">trellum</translation>' "$metainfo" ||
    fail "the metadata does not name the program's Qt translations (trellum_LANG.qm)"

# Every text of the metadata (name, summary, paragraphs, list items, captions,
# keywords, release notes) once in English and once in each language.
texts='name|summary|developer_name|p|li|caption|keyword'
english=$(grep -cE "<($texts)>" "$metainfo" || true)
[ "$english" -ge 20 ] || fail "the metadata holds only $english texts in English"
keys='Name|GenericName|Comment|Keywords'   # the action's Name too
english_keys=$(grep -cE "^($keys)=" "$desktop")
for lang in $languages; do
    found=$(grep -cE "^($keys)\[$lang\]=." "$desktop" || true)
    [ "$found" -eq "$english_keys" ] || fail "the desktop entry has $found of its $english_keys texts in $lang"
    found=$(grep -cE "<($texts) xml:lang=\"$lang\">[^<]" "$metainfo" || true)
    [ "$found" -eq "$english" ] || fail "the metadata has $found of its $english texts in $lang"
    # A translation copied from English is a translation missed.
    ! grep -qxF "Comment[$lang]=$(sed -n 's/^Comment=//p' "$desktop")" "$desktop" || fail "Comment[$lang] is the English text"
done
# A list of search words without its closing semicolon breaks the entry's Keywords.
! grep -E '^Keywords\[.*[^;]$' "$desktop" >&2 || fail "a Keywords translation above lacks its closing semicolon"
# Both files use the locale names of the desktop entry format (pt_BR, not
# pt-BR), which is how the program's translations are named too.
for lang in $(grep -oE '\[[^]]+\]=' "$desktop" | tr -d '[]=' | sort -u) \
            $(grep -oE 'xml:lang="[^"]+"' "$metainfo" | cut -d'"' -f2 | sort -u); do
    [[ $lang =~ ^[a-z]{2,3}(_[A-Z]{2})?$ ]] || fail "translation for a misnamed language: $lang"
done

# Each screenshot is one of packaging/screenshots/, at the size the metadata states.
count=0
while read -r width height url; do
    count=$((count + 1))
    size=$(identify -format '%wx%h' "$packaging/screenshots/$(basename "$url")" 2>/dev/null || echo missing)
    [ "$size" = "${width}x$height" ] || fail "packaging/screenshots/$(basename "$url") is $size, the metadata says ${width}x$height"
done < <(sed -n 's:.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">\(.*\)</image>.*:\1 \2 \3:p' "$metainfo")
[ "$count" -ge 3 ] || fail "the metadata shows $count screenshots; software centres want the window and its dialogs"

[ $status -eq 0 ] && echo "PASS: desktop entry and metadata valid, translated into $(wc -w <<<"$languages") languages, $count screenshots"
exit $status
