#!/usr/bin/env bash
# Runs the native suites, the Windows suites under a private Wine and the fuzz
# targets over their corpora, and closes with one summary line over all three.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
log=$root/build/test-logs
mkdir -p "$log"

ctest --test-dir "$root/build/native" --output-on-failure -j2 2>&1 | tee "$log/native.txt"
"$root/scripts/with-wine.sh" ctest --test-dir "$root/build/win" --output-on-failure 2>&1 | tee "$log/wine.txt"
ctest --test-dir "$root/build/fuzz" --output-on-failure -j2 2>&1 | tee "$log/fuzz.txt"

count() {  # field of ctest's "N% tests passed, F tests failed out of T"
  sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\1 \2/p' "$1" | tail -n 1
}
read -r native_failed native_total < <(count "$log/native.txt" || true)
read -r wine_failed wine_total < <(count "$log/wine.txt" || true)
read -r fuzz_failed fuzz_total < <(count "$log/fuzz.txt" || true)
if [ -z "${native_total:-}" ] || [ -z "${wine_total:-}" ] || [ -z "${fuzz_total:-}" ]; then
  echo "A test run did not finish; see $log"
  exit 1
fi
failed=$((native_failed + wine_failed + fuzz_failed))
passed=$((native_total + wine_total + fuzz_total - failed))
echo "native ${native_total} tests, wine ${wine_total} test programs, fuzz ${fuzz_total} targets"
echo "${passed} passed, ${failed} failed"
[ "$failed" -eq 0 ]
