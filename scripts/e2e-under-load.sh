#!/usr/bin/env bash
# Runs the end-to-end sessions several times in a row while every core is kept busy by another
# process, as on a shared CI machine, and prints how many runs and tests failed. A test that
# fails here waits for a fixed time or acts before the state it needs. Not part of check.sh:
# it takes about 5 x 4 minutes.
#   bash scripts/e2e-under-load.sh [RUNS]     (default 5; KZ_BUILD_DIR as for check.sh)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${KZ_BUILD_DIR:-$here/build}
runs=${1:-5}
logs="$build/e2e-under-load"
mkdir -p "$logs"

busy=()
stop_busy() { ((${#busy[@]})) && kill "${busy[@]}" 2>/dev/null; true; }
trap stop_busy EXIT
for _ in $(seq "$(nproc)"); do
  nice -n 0 bash -c 'while :; do :; done' &
  busy+=($!)
done

failed_runs=0
for run in $(seq "$runs"); do
  start=$(date +%s)
  if QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" -R '^e2e_' --output-on-failure \
      >"$logs/run-$run.txt" 2>&1; then
    outcome=passed
  else
    outcome=FAILED
    failed_runs=$((failed_runs + 1))
  fi
  summary=$(grep -E 'tests passed|tests failed' "$logs/run-$run.txt" | tail -n 1)
  echo "run $run: $outcome in $(($(date +%s) - start)) s, $summary, load $(cut -d' ' -f1-3 /proc/loadavg)"
  grep -E '^\s+[0-9]+ - ' "$logs/run-$run.txt" || true
done
echo "$((runs - failed_runs)) passed, $failed_runs failed (runs of the e2e set under load; output in $logs)"
[[ $failed_runs -eq 0 ]]
