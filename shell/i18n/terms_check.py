#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Holds every translation to the term list: wherever an English term of
TERMS.md occurs in a text of a .ts or .po file, the translation of that text
holds the term's listed translation.

    terms_check.py TERMS.md TS_DIR PO_DIR

A listed translation may bracket what inflects: "konstant(a)" accepts any
letters in place of "(a)", "(ال)ذاكرة" any before; an English term brackets
what it may lack ("constant(s)"). Terms are looked for as
whole words, whatever their capitals, except where two terms of one column
differ only in capitals ("Shift" the keyboard's key, "shift" the calculator's);
a longer term hides the shorter ones inside it ("memory slot", "memory").
"""
import re
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path


def table_rows(lines):
    """The rows of the Markdown tables as lists of cells, the header first."""
    for line in lines:
        if line.startswith("|") and not re.fullmatch(r"[|\-: ]+", line.strip()):
            yield [cell.strip() for cell in line.strip().strip("|").split("|")]


def read_terms(path):
    """lang -> [(English term, case-sensitive, listed translation)], and the
    exceptions: (lang or "*", English text, English term)."""
    terms, exceptions, header = {}, set(), None
    for cells in table_rows(path.read_text(encoding="utf-8").splitlines()):
        if cells[0] == "lang":
            header = cells
            continue
        if header[1] == "English text":   # the exceptions' table
            exceptions.add((cells[0], cells[1].strip("`"), cells[2]))
            continue
        for english, cell in zip(header[1:], cells[1:]):
            english_terms = [t.strip() for t in english.split(" / ")]
            translations = [t.strip() for t in cell.split(" / ")]
            if len(english_terms) != len(translations):
                raise SystemExit(f"{path.name}: {cells[0]} gives {cell!r} for {english!r}")
            folded = {t.casefold() for t in english_terms}
            exact = len(folded) < len(english_terms)
            for term, translation in zip(english_terms, translations):
                terms.setdefault(cells[0], []).append((term, exact, translation))
    return terms, exceptions


def ts_texts(path):
    """(source, translation) of every message, one per plural form."""
    for message in ElementTree.parse(path).iter("message"):
        source = message.findtext("source")
        if source == "QT_LAYOUT_DIRECTION":
            continue
        translation = message.find("translation")
        forms = [form.text or "" for form in translation.iter("numerusform")] or [translation.text or ""]
        for form in forms:
            yield source, form


def po_texts(path):
    """(msgid, msgstr) of a .po file written without wrapping."""
    source = None
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.startswith('msgid "'):
            source = line[7:-1]
        elif line.startswith('msgstr "') and source:
            yield source.replace('\\"', '"'), line[8:-1].replace('\\"', '"')


def english_pattern(term):
    """"memory slot(s)": the words, with or without what is bracketed, spaced or hyphenated."""
    parts = re.split(r"\(([^)]*)\)", term)
    pattern = "".join(re.escape(part) if i % 2 == 0 else f"(?:{re.escape(part)})?" for i, part in enumerate(parts))
    return pattern.replace(r"\ ", "[ -]")


def pattern_of(translation):
    parts = re.split(r"\([^)]*\)", translation)
    return re.compile(r"\w*".join(re.escape(part) for part in parts), re.IGNORECASE)


def faults_of(lang, texts, terms, exceptions):
    # Longest first: a longer term's words are no longer there for a shorter one.
    ordered = sorted(terms, key=lambda term: -len(term[0]))
    for file_name, source, translation in texts:
        plain_source, plain_translation = source.replace("&", ""), translation.replace("&", "")
        for english, exact, listed in ordered:
            words = re.compile(r"\b" + english_pattern(english) + r"\b", 0 if exact else re.IGNORECASE)
            if not words.search(plain_source):
                continue
            plain_source = words.sub("\0", plain_source)
            if {(lang, source, english), ("*", source, english)} & exceptions:
                continue
            if not pattern_of(listed).search(plain_translation):
                yield f"{file_name}: \"{source}\" is \"{translation}\", without \"{listed}\" for \"{english}\""


def main(terms_file, ts_dir, po_dir):
    terms, exceptions = read_terms(Path(terms_file))
    faults = []
    for lang in sorted(terms):
        texts = []
        for path, reader in ((Path(ts_dir) / f"trellum_{lang}.ts", ts_texts), (Path(po_dir) / f"{lang}.po", po_texts)):
            if path.exists():
                texts += [(path.name, source, translation) for source, translation in reader(path)]
        faults += faults_of(lang, texts, terms[lang], exceptions)
    print("\n".join(faults) if faults else f"every translation uses the terms of {Path(terms_file).name}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
