#!/usr/bin/env bash
# Every C++ file of the repository follows .clang-format; prints the files
# that do not and fails if there is one. `clang-format -i` on them mends it.
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root" || exit 1
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests tools bench fuzz -name '*.cpp' -o -name '*.h')
unformatted=$(clang-format --dry-run "${files[@]}" 2>&1 | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning:.*/\1/p' | sort -u)
if [ -n "$unformatted" ]; then
  echo "Not formatted as .clang-format says:"
  echo "$unformatted"
  exit 1
fi
echo "${#files[@]} files formatted"
