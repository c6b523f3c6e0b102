#!/usr/bin/env bash
# Builds the libFuzzer targets (clang 14, ASan + UBSan) and runs each in turn for SECONDS (600 by
# default), at the lowest priority, one at a time; then prints one table row per target for
# docs/reliability.md. Not part of check.sh: it takes SECONDS x 12.
#   bash scripts/fuzz.sh [SECONDS] [TARGET...]
# Corpora grow in $KZ_FUZZ_WORK/corpus/<target> (default /tmp/kz-fuzz), seeded from fuzz/corpus;
# logs and any crashing input are kept there too.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${KZ_FUZZ_DIR:-$here/build-fuzz}
work=${KZ_FUZZ_WORK:-/tmp/kz-fuzz}
seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(story phrase wave word_list tracking_log user_list story_json
  log_csv user_settings global_settings file_stem cp1252)

CC=clang-14 CXX=clang++-14 cmake -S "$here" -B "$build" -DKZ_BUILD_FUZZ=ON -DKZ_BUILD_UI=OFF \
  -DBUILD_TESTING=OFF -DKZ_BUILD_SAMPLE=OFF >/dev/null
cmake --build "$build" -j 2 --target "${targets[@]/%/_fuzz}"

mkdir -p "$work/artifacts"
for t in "${targets[@]}"; do
  # Inputs long enough for the log's 32765 characters, and for a story with a table.
  case $t in
    tracking_log | log_csv) extra=(-max_len=40000) ;;
    phrase | wave) extra=(-max_len=20000) ;;
    *) extra=() ;;
  esac
  mkdir -p "$work/corpus/$t"
  nice -n 19 "$build/fuzz/${t}_fuzz" -max_total_time="$seconds" -print_final_stats=1 "${extra[@]}" \
    -artifact_prefix="$work/artifacts/$t-" "$work/corpus/$t" "$here/fuzz/corpus/$t" \
    >"$work/$t.log" 2>&1 || echo "$t: stopped with a finding; see $work/$t.log" >&2
done

# | target | executions | coverage (edges) | features | corpus | peak RSS | findings |
for t in "${targets[@]}"; do
  log=$work/$t.log
  last=$(grep -E '^#[0-9]+' "$log" | grep -E 'cov: ' | tail -n1)
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rss=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log")
  cov=$(sed -E 's/.*cov: ([0-9]+).*/\1/' <<<"$last")
  ft=$(sed -E 's/.*ft: ([0-9]+).*/\1/' <<<"$last")
  corp=$(sed -E 's/.*corp: ([0-9]+)\/([0-9]+[a-zA-Z]*).*/\1 inputs, \2/' <<<"$last")
  found=$(ls "$work/artifacts" | grep -c "^$t-" || true)
  echo "| \`$t\` | $runs | $cov | $ft | $corp | $rss MB | $found |"
done
