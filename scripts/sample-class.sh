#!/usr/bin/env bash
# Makes, or brings up to date, the sample run's own installation folder (CLASS): a working copy of
# the sample installation's settings, user list and log, with links to the freshly built programs
# and help documents, and the staged sample (STAGE) as its data directory. Sign-ins, settings and
# the log are kept in CLASS between runs, as in a classroom; STAGE itself is never written, so the
# tests that copy it find it as it was built.
#   bash scripts/sample-class.sh [--fresh] STAGE CLASS
# --fresh starts CLASS again from the sample as built.
set -euo pipefail
fresh=0
if [[ ${1:-} == --fresh ]]; then
  fresh=1
  shift
fi
stage=$(cd "$1" && pwd)
class=$2
data_folders=(DATA BMPS WAVS WORDLIST)

if [[ $fresh == 1 ]]; then
  rm -rf "$class"
fi
mkdir -p "$class"
class=$(cd "$class" && pwd)
if [[ ! -f "$class/GLOBSET.WQ" ]]; then
  # The settings files, the user list and the log, as the sample has them; the data directory
  # is the stage, so a rebuild's data is what the next run reads.
  for file in "$stage"/*.WQ; do
    cp "$file" "$class/"
  done
  "$stage/wqadmin" globals "$class" set "dataDir=$stage" >/dev/null
fi

# The programs and help as built: links, renewed at every run; links the build no longer makes
# are dropped.
find "$class" -maxdepth 1 -type l ! -exec test -e {} \; -delete
for entry in "$stage"/*; do
  name=$(basename "$entry")
  [[ $name == *.WQ ]] && continue
  for folder in "${data_folders[@]}"; do
    [[ $name == "$folder" ]] && continue 2
  done
  ln -sfn "$entry" "$class/$name"
done
