#!/usr/bin/env bash
# The include rule of src/: each folder may include only itself and the
# folders below it, and only win32/ folders may include <windows.h>; tools/
# includes nothing of src/.
# Prints every breach and fails if there is one.
set -uo pipefail
src=${1:-$(dirname "$0")/../src}
layers=(core chattext aol ui player look bot app)
# chattext and aol share a layer: neither includes the other.
declare -A rank=([core]=0 [chattext]=1 [aol]=1 [ui]=2 [player]=3 [look]=4 [bot]=5 [app]=6)

breaches=0
for folder in "${layers[@]}"; do
  while IFS=: read -r file line include; do
    target=${include%%/*}
    [ -n "${rank[$target]+set}" ] || continue
    if [ "$target" != "$folder" ] && [ "${rank[$target]}" -ge "${rank[$folder]}" ]; then
      echo "$file:$line: $folder may not include $include"
      breaches=$((breaches + 1))
    fi
  done < <(cd "$src" && grep -rnoE '#include "[^"]+"' "$folder" | sed -E 's/#include "([^"]+)"/\1/')
  while IFS=: read -r file line _; do
    case $file in */win32/*) ;; *)
      echo "$file:$line: portable code may not include <windows.h>"
      breaches=$((breaches + 1)) ;;
    esac
  done < <(cd "$src" && grep -rnE '#include <windows(x)?\.h>' "$folder")
done
# The stand-in client is the independent side of the whole-program tests:
# it shares no code with the program it tests.
tools=$src/../tools
while IFS=: read -r file line include; do
  [ -n "${rank[${include%%/*}]+set}" ] || continue
  echo "tools/$file:$line: the stand-in client may not include $include"
  breaches=$((breaches + 1))
done < <([ -d "$tools" ] && cd "$tools" && grep -rnoE '#include "[^"]+"' . |
  sed -E 's|^\./||; s/#include "([^"]+)"/\1/')
unknown=$(cd "$src" && for d in */; do d=${d%/}; [ -n "${rank[$d]+set}" ] || echo "$d"; done)
if [ -n "$unknown" ]; then
  echo "folders without a layer: $unknown"
  breaches=$((breaches + 1))
fi
echo "$breaches include rule breaches"
[ "$breaches" -eq 0 ]
