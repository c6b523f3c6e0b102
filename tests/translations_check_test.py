#!/usr/bin/env python3
"""The translation check fails on each kind of fault, made in a copy of translations/.

  translations_check_test.py SCRIPTS_DIR TRANSLATIONS_DIR LUPDATE
"""
import os
import shutil
import subprocess
import sys
import tempfile

scripts, translations, lupdate = sys.argv[1:4]
check = os.path.join(scripts, "check-translations.py")


def run(directory, with_lupdate=False):
    args = [sys.executable, check, directory] + (["--lupdate", lupdate] if with_lupdate else [])
    return subprocess.run(args, capture_output=True, text=True)


def replace_once(path, old, new):
    text = open(path, encoding="utf-8").read()
    assert old in text, f"{old!r} not in {path}"
    open(path, "w", encoding="utf-8").write(text.replace(old, new, 1))


# Each fault: a name and what it does to the copy; the check must name the file it is in.
faults = [
    ("unfinished", "kiv_fr.ts",
     lambda p: replace_once(p, "<translation>", '<translation type="unfinished">')),
    ("vanished", "zan_es.ts",
     lambda p: replace_once(p, "<translation>", '<translation type="vanished">')),
    ("empty", "kzui_de.ts", lambda p: replace_once(p, "<translation>Passwort</translation>",
                                                   "<translation></translation>")),
    ("marker lost", "kzui_fr.ts",
     lambda p: replace_once(p, "<translation>Réglages de %1</translation>",
                            "<translation>Réglages de</translation>")),
    ("marker changed", "kzui_es.ts",
     lambda p: replace_once(p, "Tipo de error: %1", "Tipo de error: %3")),
    ("file missing", "zan_de.ts", os.remove),
    ("desk's file missing", "desk_fr.ts", os.remove),
    ("one plural form empty", "desk_de.ts",
     lambda p: replace_once(p, "<numerusform>%n Einstellungsdatei aus TEACHER.WQ für den Namen "
                            "angelegt, der keine hatte.</numerusform>",
                            "<numerusform></numerusform>")),
]
failures = []
with tempfile.TemporaryDirectory() as work:
    good = os.path.join(work, "good")
    shutil.copytree(translations, good)
    result = run(good, with_lupdate=True)
    if result.returncode != 0:
        failures.append("the repository's own files fail:\n" + result.stdout + result.stderr)
    for name, file_name, make in faults:
        copy = os.path.join(work, name.replace(" ", "_"))
        shutil.copytree(translations, copy)
        make(os.path.join(copy, file_name))
        result = run(copy)
        if result.returncode == 0 or file_name not in result.stdout:
            failures.append(f"{name} in {file_name} passed:\n{result.stdout}")
    # An entry the sources no longer have, and one they have that the files lack.
    copy = os.path.join(work, "stale")
    shutil.copytree(translations, copy)
    replace_once(os.path.join(copy, "kiv_fr.ts"), "<source>&amp;File</source>",
                 "<source>&amp;Filing cabinet</source>")
    result = run(copy, with_lupdate=True)
    if result.returncode == 0 or "kiv_fr.ts" not in result.stdout:
        failures.append(f"a text missing from kiv_fr.ts passed:\n{result.stdout}")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
