#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A language is added by the README's steps alone: in a copy of the sources,
# one line in packaging/po/LINGUAS and the one command it names start the
# language's .ts and .po files with every text untranslated, and the build
# then makes the language's .qm file and the desktop files.
#
#   tests/packaging/new_language_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

src=$work/src
mkdir "$src"
tar -C "$source_dir" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$src" -xf -
echo fi >>"$src/packaging/po/LINGUAS"
cmake -S "$src" -B "$work/build" -G Ninja -DTRELLUM_BUILD_TESTS=OFF >"$work/configure.log" 2>&1 ||
    fail "configure: $(tail -5 "$work/configure.log")"
cmake --build "$work/build" --target update_translations update_desktop_translations >"$work/update.log" 2>&1 ||
    fail "the README's command: $(tail -5 "$work/update.log")"
ts=$src/shell/i18n/trellum_fi.ts
[ -f "$ts" ] || fail "no trellum_fi.ts started"
grep -q "<TS version=\"2.1\" language=\"fi" "$ts" || fail "trellum_fi.ts names no language: $(head -3 "$ts")"
unfinished=$(grep -c '<translation type="unfinished"' "$ts")
sources=$(grep -c '<source>' "$src/shell/i18n/trellum_de.ts")
[ "$unfinished" -eq "$sources" ] || fail "trellum_fi.ts holds $unfinished of the $sources texts"
msgfmt -c -o /dev/null "$src/packaging/po/fi.po" || fail "fi.po is no valid catalogue"
cmake --build "$work/build" --target trellum_shell_lrelease trellum_desktop_metadata >"$work/build.log" 2>&1 ||
    fail "build: $(tail -5 "$work/build.log")"
[ -s "$work/build/shell/trellum_fi.qm" ] || fail "no trellum_fi.qm built"
echo "PASS: a language added by one line of LINGUAS and one command"
