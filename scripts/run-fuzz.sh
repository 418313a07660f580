#!/usr/bin/env bash
# Runs the libFuzzer targets of a fuzz build (cmake -DSONORIX_FUZZ=ON).
#
#   run-fuzz.sh check BINARY WORK RUNS CORPUS...   replay the corpora, then RUNS new inputs
#                                                  from a fixed seed (ctest runs this)
#   run-fuzz.sh campaign BINARY WORK SECONDS CORPUS...   fuzz for SECONDS of wall time
#   run-fuzz.sh all BUILD SECONDS                  a campaign for every target of BUILD
#
# The corpora given are only read: new inputs and crash or hang reproducers go under WORK, a
# build folder that `check` empties first and a campaign keeps (its WORK/corpus grows from
# one campaign to the next). With FUZZ_MERGE=1, `all` afterwards adds to fuzz/corpus/ the
# few new inputs that reach code its seeds do not.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# A hang is a finding too. No input here needs a second, but a starved process on a busy
# machine can wait many seconds for its turn.
common=(-timeout=60 -rss_limit_mb=2048 -print_final_stats=1)

existing() {
  for dir in "$@"; do [ -d "$dir" ] && printf '%s\n' "$dir"; done
}

check() {
  local binary=$1 work=$2 runs=$3
  shift 3
  rm -rf "$work" && mkdir -p "$work/new"
  mapfile -t corpora < <(existing "$@")
  "$binary" "${common[@]}" -runs="$runs" -seed=1 -artifact_prefix="$work/" \
    "$work/new" "${corpora[@]}"
}

campaign() {
  local binary=$1 work=$2 seconds=$3
  shift 3
  mkdir -p "$work/corpus"
  mapfile -t corpora < <(existing "$@")
  "$binary" "${common[@]}" -max_total_time="$seconds" -artifact_prefix="$work/" \
    "$work/corpus" "${corpora[@]}"
}

all() {
  local build=$1 seconds=$2 failed=() target name log
  for target in "$build"/bin/*_fuzz; do
    name=$(basename "$target" _fuzz)
    log=$build/campaigns/$name.log
    mkdir -p "$build/campaigns"
    echo "== $name: ${seconds} s"
    if /usr/bin/time -f "cpu: %U s user, %S s system" "$0" campaign "$target" \
         "$build/campaigns/$name" "$seconds" "$root/fuzz/corpus/$name" "$build/seeds/$name" \
         >"$log" 2>&1; then
      grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|cpu:)' "$log"
      if [ "${FUZZ_MERGE:-0}" = 1 ]; then
        "$target" -merge=1 "$root/fuzz/corpus/$name" "$build/campaigns/$name/corpus" >/dev/null 2>&1
      fi
    else
      failed+=("$name")
      # What failed and where its input went; the stack traces stay in the log.
      grep -aE '^(finding:|property failed|==[0-9]+== ERROR|SUMMARY|artifact_prefix|cpu:)' "$log" | tail -n 8
    fi
  done
  if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz findings in: ${failed[*]} (logs and reproducers in $build/campaigns/)"
    return 1
  fi
  echo "no fuzz findings"
}

mode=${1:-}
shift || true
case $mode in
  check | campaign | all) "$mode" "$@" ;;
  *) sed -n '2,12p' "$0" >&2; exit 2 ;;
esac
