#!/usr/bin/env bash
# Runs a command held to a share of one processor core, the way a classroom's slowest machine
# runs the programs:
#   bash bench/cpu_share.sh PERCENT COMMAND [ARGS...]
# The command runs in a CPU cgroup of its own with a quota of PERCENT ms in every 100 ms (cgroup
# v2's cpu.max, or v1's cpu.cfs_quota_us where the cpu controller is on a v1 hierarchy), which is
# removed afterwards. Needs root (or a delegated cgroup). When neither kind of group can be made,
# says why and exits with 2 without running the command. After the command, prints to stderr
# how often the group was held back. Exits with the command's status.
set -uo pipefail
if [[ $# -lt 2 || ! $1 =~ ^[0-9]+$ || $1 -lt 1 || $1 -gt 100 ]]; then
  echo "usage: bash bench/cpu_share.sh PERCENT(1-100) COMMAND [ARGS...]" >&2
  exit 64
fi
share=$1
shift
period=100000
quota=$((share * period / 100))
name=kz-bench-$$
group=""
kind=""
why=()

# cgroup v2: a child of the unified hierarchy's root with the cpu controller given to it.
v2_root=$(awk '$3 == "cgroup2" { print $2; exit }' /proc/mounts)
if [[ -n $v2_root ]]; then
  if ! grep -qw cpu "$v2_root/cgroup.controllers" 2>/dev/null; then
    why+=("cgroup v2 at $v2_root: its cpu controller is not available (bound to a v1 hierarchy?)")
  elif ! grep -qw cpu "$v2_root/cgroup.subtree_control" 2>/dev/null &&
    ! echo +cpu >"$v2_root/cgroup.subtree_control" 2>/dev/null; then
    why+=("cgroup v2 at $v2_root: cannot give the cpu controller to its children")
  elif ! mkdir "$v2_root/$name" 2>/dev/null; then
    why+=("cgroup v2 at $v2_root: cannot make a group there")
  elif ! echo "$quota $period" >"$v2_root/$name/cpu.max" 2>/dev/null; then
    why+=("cgroup v2 at $v2_root: cannot set cpu.max")
    rmdir "$v2_root/$name"
  else
    group=$v2_root/$name
    kind="cgroup v2 (cpu.max $quota $period)"
  fi
else
  why+=("no cgroup v2 hierarchy is mounted")
fi

# cgroup v1: a child of the hierarchy that holds the cpu controller.
if [[ -z $group ]]; then
  v1_root=$(awk '$3 == "cgroup" && $4 ~ /(^|,)cpu(,|$)/ { print $2; exit }' /proc/mounts)
  if [[ -z $v1_root ]]; then
    why+=("no cgroup v1 hierarchy with the cpu controller is mounted")
  elif ! mkdir "$v1_root/$name" 2>/dev/null; then
    why+=("cgroup v1 at $v1_root: cannot make a group there")
  elif ! echo "$period" >"$v1_root/$name/cpu.cfs_period_us" 2>/dev/null ||
    ! echo "$quota" >"$v1_root/$name/cpu.cfs_quota_us" 2>/dev/null; then
    why+=("cgroup v1 at $v1_root: cannot set cpu.cfs_quota_us")
    rmdir "$v1_root/$name"
  else
    group=$v1_root/$name
    kind="cgroup v1 (cpu.cfs_quota_us $quota per $period)"
  fi
fi

if [[ -z $group ]]; then
  echo "cannot hold the command to $share% of a core: no CPU cgroup can be made here." >&2
  for reason in "${why[@]}"; do echo "  - $reason" >&2; done
  echo "Run as root on a machine with cgroup v2 (cpu controller) or a v1 cpu hierarchy." >&2
  exit 2
fi

# Processes that the command leaves behind are moved back out, so that the group can go.
cleanup() {
  local procs=$group/cgroup.procs parent
  parent=$(dirname "$group")/cgroup.procs
  while read -r pid; do echo "$pid" >"$parent" 2>/dev/null; done <"$procs" 2>/dev/null
  rmdir "$group" 2>/dev/null
}
trap cleanup EXIT

echo "held to $share% of one core: $kind" >&2
for reason in "${why[@]}"; do echo "  not used: $reason" >&2; done
(
  echo "$BASHPID" >"$group/cgroup.procs" || exit 2
  exec "$@"
)
status=$?
stat=$(tr '\n' ' ' <"$group/cpu.stat" 2>/dev/null)
echo "group's cpu.stat after the run: $stat" >&2
exit "$status"
