#!/usr/bin/env python3
"""Fails when a translation in translations/*.ts is not finished and in force.

Every name of the translated catalogues must have a file for every language, and in each file
every entry must have a finished, non-empty translation whose %1 ... %9 markers are those of the
English text; an entry marked vanished or obsolete fails too (its text left the sources). With
--lupdate, the sources are read again into a copy of the files (scripts/update-translations.sh),
so that a text added to the sources but missing from the files fails as well.

  check-translations.py TRANSLATIONS_DIR [--lupdate PATH]
"""
import argparse
import collections
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

LANGUAGES = ["fr", "es", "de"]
NAMES = ["kzui", "kiv", "zan", "desk"]
MARKER = re.compile(r"%[1-9]")


def markers(text):
    return collections.Counter(MARKER.findall(text or ""))


def full_text(element):
    """An element's text with lupdate's <byte value="xd"/> characters put back."""
    if element is None:
        return ""
    text = element.text or ""
    for child in element:
        if child.tag == "byte":
            text += chr(int(child.get("value", "x0")[1:], 16))
        text += child.tail or ""
    return text


def entries(path):
    """(context, source, translation element) for each message of a .ts file."""
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, full_text(message.find("source")), message.find("translation")


def problems_in(path):
    found = []
    for context, source, translation in entries(path):
        where = f"{os.path.basename(path)}: {context}: {source[:60]!r}"
        if translation is None:
            found.append(f"{where}: no translation")
            continue
        kind = translation.get("type")
        if kind in ("unfinished", "vanished", "obsolete"):
            found.append(f"{where}: {kind}")
            continue
        # A text with a count (%n) has one form per plural of the language; each must be done.
        forms = translation.findall("numerusform") or [translation]
        for text in map(full_text, forms):
            if not text.strip():
                found.append(f"{where}: empty translation")
            elif markers(text) != markers(source):
                found.append(f"{where}: markers {sorted(markers(text).elements())} "
                             f"differ from the English {sorted(markers(source).elements())}")
    return found


def check(directory):
    found = []
    for name in NAMES:
        for language in LANGUAGES:
            path = os.path.join(directory, f"{name}_{language}.ts")
            if not os.path.exists(path):
                found.append(f"{name}_{language}.ts: missing")
            else:
                found += problems_in(path)
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("directory")
    parser.add_argument("--lupdate")
    args = parser.parse_args()
    directory = args.directory
    with tempfile.TemporaryDirectory() as work:
        if args.lupdate:
            # The sources read again into a copy: new texts arrive unfinished, gone ones leave.
            copy = os.path.join(work, "translations")
            shutil.copytree(directory, copy)
            script = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                  "update-translations.sh")
            env = dict(os.environ, LUPDATE=args.lupdate, TRANSLATIONS_DIR=copy)
            subprocess.run(["bash", script], check=True, env=env)
            before = {f: sum(1 for _ in entries(os.path.join(directory, f)))
                      for f in os.listdir(directory) if f.endswith(".ts")}
            after = {f: sum(1 for _ in entries(os.path.join(copy, f)))
                     for f in os.listdir(copy) if f.endswith(".ts")}
            gone = [f"{f}: {before[f] - after.get(f, 0)} entries no longer in the sources "
                    "(run scripts/update-translations.sh)"
                    for f in before if after.get(f, 0) < before[f]]
            found = check(copy) + gone
        else:
            found = check(directory)
    for line in found:
        print(line)
    if found:
        print(f"{len(found)} translation problems", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
