#!/usr/bin/env bash
# Every measurement of docs/performance.md in one run, then the table of targets and figures:
#   bash bench/run-all.sh [BUILD_DIR]
# Builds with the benchmarks (-DKZ_BUILD_BENCH=ON, -j2), installs the peer klettres and
# python3-xlib when missing (apt-get, as root or through sudo), and keeps every program's own
# output in BUILD_DIR/bench-results. KZ_RUNS (5) sets the runs of each start-up and idle
# measurement; KZ_DISPLAYS (":70 :71 :72") the Xvfb displays used.
# KZ_CPU_SHARE (a percentage of one core, say 10) runs the window benchmarks a second time held to
# that share by a CPU cgroup (bench/cpu_share.sh: cgroup v2 or v1, as root), and the table gains
# their figures beside those at full speed; when no such group can be made, the run stops at once
# with the reason. KZ_ONLY=windows runs the window benchmarks alone (about 4 minutes a pass).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$here/build}")
runs=${KZ_RUNS:-5}
share=${KZ_CPU_SHARE:-}
only=${KZ_ONLY:-}
if [[ -n $only && $only != windows ]]; then
  echo "KZ_ONLY takes only \"windows\"" >&2
  exit 64
fi
if [[ -n $share ]]; then
  # The group is tried before anything is built, so that a machine without one says so at once.
  bash "$here/bench/cpu_share.sh" "$share" true
fi
read -r -a displays <<<"${KZ_DISPLAYS:-:70 :71 :72}"
out=$build/bench-results
mkdir -p "$out"
rm -f "$out/share.txt" "$out"/*_share.txt "$out"/*_share.err

missing=()
[[ $only == windows ]] || for p in klettres python3-xlib; do
  [[ $(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true) == "install ok installed" ]] ||
    missing+=("$p")
done
if [[ ${#missing[@]} -gt 0 ]]; then
  as_root=()
  [[ $(id -u) -eq 0 ]] || as_root=(sudo)
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

bash "$here/scripts/deps.sh"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKZ_BUILD_BENCH=ON >/dev/null
if [[ $only == windows ]]; then
  cmake --build "$build" -j2 --target kiv_window_bench zan_window_bench stage >/dev/null
else
  cmake --build "$build" -j2 >/dev/null
fi

load() { cut -d' ' -f1-3 /proc/loadavg; }
echo "started $(date -u '+%Y-%m-%d %H:%M UTC'), load average $(load)" >"$out/machine.txt"
echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)" >>"$out/machine.txt"
step() { echo "== $1 (load $(load))" >&2; echo "$1 $(load)" >>"$out/load.txt"; }
: >"$out/load.txt"

export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null
# One measurement: its output to NAME.txt, its messages to NAME.err.
keep() { local name=$1; shift; "$@" >"$out/$name.txt" 2>"$out/$name.err"; }
offscreen() { QT_QPA_PLATFORM=offscreen "$@"; }

# The window benchmarks at full speed, then (with KZ_CPU_SHARE) held to the share.
windows() {
  step "window benchmarks: kiv$2"
  keep "kiv_window$1" $3 env QT_QPA_PLATFORM=offscreen "$build/bench/windows/kiv_window_bench" 30
  step "window benchmarks: zan, sample library$2"
  keep "zan_window$1" $3 env QT_QPA_PLATFORM=offscreen "$build/bench/windows/zan_window_bench" 30
}
if [[ $only == windows ]]; then
  windows "" "" ""
  if [[ -n $share ]]; then
    windows _share ", held to $share% of a core" "bash $here/bench/cpu_share.sh $share"
    echo "$share" >"$out/share.txt"
  fi
  echo "ended $(date -u '+%H:%M UTC'), load average $(load)" >>"$out/machine.txt"
  python3 "$here/bench/table.py" "$out"
  exit 0
fi

step "core benchmarks"
"$build/bench/core/core_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_format=json >"$out/core.json" 2>"$out/core.err"

step "start-up beside a bare Qt window and klettres"
keep startup python3 "$here/bench/startup.py" "$build" --runs "$runs" --idle 10 \
  --display "${displays[0]}" --json "$out/startup.json"

windows "" "" ""
step "window benchmarks: zan, 30-second page recordings"
sh "$here/bench/long_recordings.sh" "$build" "$build/bench-long" >/dev/null 2>&1
KZ_DATA=$build/bench-long keep zan_window_long offscreen "$build/bench/windows/zan_window_bench" 30
step "sound: Open and Play to the first sample"
keep audio "$build/bench/audio/audio_bench" --benchmark_filter='BM_Open'

step "memory: 20 Kiv sets, 20 stories"
keep kiv_memory offscreen "$build/bench/windows/kiv_window_bench" --memory 20
keep zan_memory offscreen "$build/bench/windows/zan_window_bench" --memory 20

step "exit"
SDL_AUDIODRIVER=dummy keep exit python3 "$here/bench/exit_time.py" "$build" --runs "$runs" \
  --display "${displays[2]}"

# Processor time is the processes' own, so the two programs wait side by side on two displays.
step "processor while waiting"
SDL_AUDIODRIVER=dummy keep idle_kiv python3 "$here/bench/idle_cpu.py" "$build" --runs "$runs" \
  --programs kiv --display "${displays[1]}" &
kiv_idle=$!
SDL_AUDIODRIVER=dummy keep idle_zan python3 "$here/bench/idle_cpu.py" "$build" --runs "$runs" \
  --programs zan --display "${displays[2]}"
wait "$kiv_idle"

if [[ -n $share ]]; then
  windows _share ", held to $share% of a core" "bash $here/bench/cpu_share.sh $share"
  echo "$share" >"$out/share.txt"
fi

echo "ended $(date -u '+%H:%M UTC'), load average $(load)" >>"$out/machine.txt"
python3 "$here/bench/table.py" "$out"
