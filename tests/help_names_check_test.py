#!/usr/bin/env python3
"""The help names check passes on the repository's documents and fails on each kind of drift,
made in a copy of help/ and translations/: a window's wording changed under a help that still
quotes the old one, a help that names a menu item its window does not have, and a menu path that
lost its mark.

  help_names_check_test.py SCRIPTS_DIR HELP_DIR TRANSLATIONS_DIR
"""
import os
import shutil
import subprocess
import sys
import tempfile

scripts, help_dir, translations = sys.argv[1:4]
check = os.path.join(scripts, "check-help-names.py")


def run(work):
    return subprocess.run([sys.executable, check, os.path.join(work, "help"),
                           os.path.join(work, "translations")], capture_output=True, text=True)


def replace_once(path, old, new):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    assert text.count(old) >= 1, f"{old!r} not in {path}"
    with open(path, "w", encoding="utf-8") as f:
        f.write(text.replace(old, new, 1))


# Each drift: a name, the file changed, what is changed, and the document the check must name.
drifts = [
    ("window renamed", "translations/kiv_de.ts", "<translation>Anzeigen für...</translation>",
     "<translation>Zeigen für...</translation>", "kiv-help.de.html"),
    ("help misnamed", "help/zan-help.es.html", '<b class="ui">Archivo &gt; Abrir</b>',
     '<b class="ui">Archivo &gt; Abrir cuento</b>', "zan-help.es.html"),
    ("English drift", "help/kiv-help.html", '<i class="ui">Just show</i>',
     '<i class="ui">Only show</i>', "kiv-help.html"),
    ("mark lost", "help/zan-help.fr.html", '<b class="ui">Fichier &gt; Ouvrir</b>',
     "<b>Fichier &gt; Ouvrir</b>", "zan-help.fr.html"),
]
failures = []
with tempfile.TemporaryDirectory() as work:
    good = os.path.join(work, "good")
    shutil.copytree(help_dir, os.path.join(good, "help"))
    shutil.copytree(translations, os.path.join(good, "translations"))
    result = run(good)
    if result.returncode != 0:
        failures.append("the repository's own documents fail:\n" + result.stdout)
    for name, changed, old, new, document in drifts:
        copy = os.path.join(work, name.replace(" ", "_"))
        shutil.copytree(good, copy)
        replace_once(os.path.join(copy, *changed.split("/")), old, new)
        result = run(copy)
        if result.returncode == 0 or document not in result.stdout:
            failures.append(f"{name} ({changed}) passed:\n{result.stdout}")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
