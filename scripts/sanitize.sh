#!/usr/bin/env bash
# Builds the core, wqadmin and their tests with clang and AddressSanitizer + UndefinedBehaviorSanitizer
# in a folder of their own, and runs those tests. Part of check.sh; the Qt programs are left out,
# so the step stays short.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${KZ_SANITIZE_DIR:-$here/build-sanitize}
CC=clang-14 CXX=clang++-14 cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DKZ_SANITIZE=ON \
  -DKZ_BUILD_UI=OFF -DKZ_BUILD_SAMPLE=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target core_tests story_tests wqadmin_tests wqadmin_story_tests wqadmin_report_tests inplace_kills \
  wqadmin_make_tests \
  fuzz_replays
export ASAN_OPTIONS=abort_on_error=0:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1
# The tests of targets not built here (the audio player's) are listed as *_NOT_BUILT: skip them.
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" -E '_NOT_BUILT$'
