#!/usr/bin/env bash
# Brings translations/*.ts up to date with the texts in the sources (lupdate): new texts come in
# unfinished, texts gone from the sources are dropped. Translate the unfinished entries with
# Qt Linguist (linguist translations/kiv_fr.ts) or by hand; the check translations_complete fails
# until every entry is finished. Run it after changing any text the windows show.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
# Where the .ts files are; the check translations_complete points it at a copy.
out=${TRANSLATIONS_DIR:-$here/translations}
languages=(fr es de)

# One translation file per name and language: the name, then the source folders it covers.
# The shared windows and the core's sentences (kz::translate) go into kzui, loaded by every program.
# The desk's file also holds the sentences of wqadmin's engine (src/tools) that the desk shows;
# wqadmin itself loads no translation, so its terminal keeps the English.
catalogues=(
  "kzui src/ui src/core"
  "kiv src/kiv"
  "zan src/zan"
  "desk src/desk src/tools"
)

cd "$here"
for entry in "${catalogues[@]}"; do
  read -r name folders <<<"$entry"
  files=()
  for language in "${languages[@]}"; do files+=("$out/${name}_${language}.ts"); done
  # shellcheck disable=SC2086
  "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h $folders -ts "${files[@]}"
done
