#!/usr/bin/env bash
# Builds the programs and starts one on the built-in sample installation (build/stage).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${KZ_BUILD_DIR:-$here/build}
bash "$here/scripts/deps.sh"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"

stage="$build/stage"
wqadmin="$build/src/tools/wqadmin"
if [[ ! -f "$stage/GLOBSET.WQ" ]]; then
  "$wqadmin" init "$stage"
fi
echo "Sample installation in $stage"
echo "Global settings:"; "$wqadmin" globals "$stage"
echo "Users:"; "$wqadmin" users "$stage" list
echo "Tracking log:"; "$wqadmin" log "$stage"
