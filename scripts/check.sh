#!/usr/bin/env bash
# Builds everything and runs every test: the one command CI and developers use.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${KZ_BUILD_DIR:-$here/build}
bash "$here/scripts/build.sh"
bash "$here/scripts/format-check.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
# The core and wqadmin once more, under the address and undefined-behaviour sanitizers.
bash "$here/scripts/sanitize.sh"
# The Debian package built, installed, used and removed (as root only).
bash "$here/scripts/package-test.sh"
