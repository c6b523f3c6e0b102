#!/usr/bin/env bash
# Builds everything, which stages the sample installation in build/stage (target "stage", part of
# the default build), and starts a program on it: the story reader (default) or the word activity.
#   bash scripts/run-sample.sh [--fresh] [zan|kiv] [PROGRAM ARGUMENTS...]
# The program runs from build/sample-class (KZ_SAMPLE_CLASS), a folder of its own holding the
# settings, user list and log, which persist between runs, and links to the programs just built;
# the data is read from build/stage, which the run never changes. --fresh starts that folder
# again from the sample as built.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${KZ_BUILD_DIR:-$here/build}
fresh=()
if [[ ${1:-} == --fresh ]]; then
  fresh=(--fresh)
  shift
fi
bash "$here/scripts/build.sh"

stage="$build/stage"
class=${KZ_SAMPLE_CLASS:-$build/sample-class}
program=${1:-zan}
shift || true
if [[ ! -x "$stage/$program" ]]; then
  echo "$program is not built (no $stage/$program)." >&2
  exit 1
fi
bash "$here/scripts/sample-class.sh" "${fresh[@]}" "$stage" "$class"
echo "Running $program from $class (settings, users and log there; data from $stage)."
exec "$class/$program" "$@"
