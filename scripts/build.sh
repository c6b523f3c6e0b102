#!/usr/bin/env bash
# Installs what is missing, configures and builds everything (programs, tests, the sample
# installation in build/stage). Used by check.sh and run-sample.sh.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${KZ_BUILD_DIR:-$here/build}
bash "$here/scripts/deps.sh"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"
