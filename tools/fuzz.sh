#!/usr/bin/env bash
# Builds the loaders' libFuzzer targets with clang (ASan/UBSan) and runs each
# from its committed seeds (fuzz/corpus/<target>).
#
#   tools/fuzz.sh              short run, 30 s per target (CI)
#   tools/fuzz.sh long [secs]  developer run, 600 s per target unless given;
#                              the grown corpus is kept in build-fuzz/corpus
#   TOLVANE_FUZZ_TARGETS="recipe weight" tools/fuzz.sh   only these targets
#
# Prints the executions and coverage of every target; exits non-zero when a
# target finds a crash, a leak, undefined behaviour or a round trip that
# changed the data (the input is kept in build-fuzz/artifacts).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
mode="${1:-short}"
case "$mode" in
  short) seconds=30 ;;
  long) seconds="${2:-600}" ;;
  *) echo "usage: $0 [short | long [seconds]]" >&2; exit 2 ;;
esac
targets=(${TOLVANE_FUZZ_TARGETS:-foodtable merge currmenu menufile recipe weight activity activityweek csvimport backup lockfile})
"$here/tools/install-deps.sh"
build="$here/build-fuzz"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DTOLVANE_FUZZ=ON -DTOLVANE_TESTS=OFF -DTOLVANE_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzz_all -j "$(nproc)"

mkdir -p "$build/artifacts"
if [ "$mode" = long ]; then work="$build/corpus"; else work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT; fi
# The targets save what they load; on a disk every save's sync costs more than
# the rest of the run. A memory file system keeps them fast where there is one.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export QT_QPA_PLATFORM=offscreen

failed=()
for target in "${targets[@]}"; do
  mkdir -p "$work/$target"
  log="$build/fuzz_$target.log"
  # New inputs go to the first folder; the committed seeds stay as they are.
  if "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
      "$work/$target" "$here/fuzz/corpus/$target" >"$log" 2>&1; then status=ok; else status=FAILED; failed+=("$target"); fi
  execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
  cov="$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)"
  ft="$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)"
  printf '%-10s %-6s execs %-9s cov %-6s ft %-6s corpus %s\n' "$target" "$status" "${execs:-?}" "${cov:-?}" \
    "${ft:-?}" "$(ls "$work/$target" | wc -l)"
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found problems in: ${failed[*]} (logs: $build/fuzz_<target>.log)" >&2
  exit 1
fi
