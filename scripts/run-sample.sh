#!/usr/bin/env bash
# Builds everything, which stages the sample installation in build/stage (target "stage", part of
# the default build), and starts a program on it: the story reader (default) or the word activity.
#   bash scripts/run-sample.sh [zan|kiv] [DATADIR]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${KZ_BUILD_DIR:-$here/build}
bash "$here/scripts/build.sh"

stage="$build/stage"
program=${1:-zan}
shift || true
if [[ -x "$stage/$program" ]]; then
  # The installation directory is the program's own folder: settings, users and log are there,
  # and on the first run the data directory too.
  exec "$stage/$program" "$@"
fi
echo "$program is not built yet. Sample installation in $stage:"
wqadmin="$stage/wqadmin"
echo "Global settings:"; "$wqadmin" globals "$stage"
echo "Users:"; "$wqadmin" users "$stage" list
echo "Stories:"; ls "$stage/DATA"
echo "Word lists:"; ls "$stage/WORDLIST"
