#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from what clang-format makes of it with the project's
# .clang-format, and names the files. Debian 12's clang-format 14 is the reference version.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
format=$(command -v clang-format-14 || command -v clang-format)
mapfile -t sources < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests bench fuzz \( -name '*.cpp' -o -name '*.h' \))
if ! "$format" --dry-run --Werror "${sources[@]}" 2>/tmp/kz-format.$$; then
  grep -o '^[^:]*' /tmp/kz-format.$$ | sort -u | sed 's/^/not formatted: /' >&2
  rm -f /tmp/kz-format.$$
  echo "Run: clang-format-14 -i on the files above." >&2
  exit 1
fi
rm -f /tmp/kz-format.$$
