#!/usr/bin/env python3
"""Fails when a help document names a button, menu, menu item, caption or message that its
program does not show in that language.

The help documents mark such names as <b class="ui">...</b> (buttons, menus, captions) or
<i class="ui">...</i> (the options of a settings window); a menu path is written with " > "
between its steps ("File > Open"). Each step must be one of the texts the windows show in the
document's language: the English sources for kiv-help.html and zan-help.html, the translations
of kzui_xx.ts and the program's own xx.ts for kiv-help.xx.html and zan-help.xx.html. Shortcut
marks (&), line breaks and a label's closing colon or full stop are left
out before comparing. A bold or italic text that holds a menu
path but is not marked fails too, so that a path cannot escape the check by losing its mark.

  check-help-names.py HELP_DIR TRANSLATIONS_DIR
"""
import html
import os
import re
import sys
import xml.etree.ElementTree as ET

PROGRAMS = ["kiv", "zan"]
LANGUAGES = ["fr", "es", "de"]
MARKUP = re.compile(r"<([bi])(\s[^>]*)?>(.*?)</\1>", re.S)
MARKED = re.compile(r'\sclass="ui"')


def shown(text):
    """A text as the help names it: no shortcut marks, lines joined by a space, and no colon or
    full stop at the end of a label ("Story loaded when software starts:"); "..." stays."""
    text = " ".join(re.sub(r"&(.)", r"\1", text).split())
    return re.sub(r"(?<!\.)\.$|\s*:$", "", text)


def window_texts(translations, program, language):
    """What the program's windows show in the language: the English sources, or the
    translations of the shared file and the program's own."""
    texts = set()
    for name in ("kzui", program):
        root = ET.parse(os.path.join(translations, f"{name}_{language or 'fr'}.ts")).getroot()
        for message in root.iter("message"):
            if language is None:
                text = message.findtext("source")
            else:
                found = message.find("translation")
                forms = [f.text for f in found.iter("numerusform")]
                text = found.text if not forms else None
                texts.update(shown(f) for f in forms if f)
            if text:
                texts.add(shown(text))
    return texts


def problems(help_dir, translations):
    found = []
    for program in PROGRAMS:
        for language in [None, *LANGUAGES]:
            name = f"{program}-help.{language}.html" if language else f"{program}-help.html"
            with open(os.path.join(help_dir, name), encoding="utf-8") as f:
                document = f.read()
            texts = window_texts(translations, program, language)
            for match in MARKUP.finditer(document):
                attributes, inner = match.group(2) or "", match.group(3)
                words = " ".join(html.unescape(re.sub(r"<[^>]+>", "", inner)).split())
                if not MARKED.search(attributes):
                    if " > " in words:
                        found.append(f'{name}: menu path "{words}" not marked class="ui"')
                    continue
                for step in words.split(" > "):
                    if shown(step) not in texts:
                        found.append(f'{name}: "{step}" is not a text the windows show')
    return found


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    found = problems(sys.argv[1], sys.argv[2])
    for line in found:
        print(line)
    sys.exit(1 if found else 0)


if __name__ == "__main__":
    main()
