#!/usr/bin/env bash
# Builds the benchmarks in Release mode and runs them; prints the ratios.
#   BENCH_BUILD=<dir>  takes the benchmarks of a Release build there as they are
#   STARTUP_ONLY=1     stops after the start-up comparison; RUNS=n its rounds (9)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BENCH_BUILD:-$here/build-bench}"
if [ -z "${BENCH_BUILD:-}" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOLVANE_TESTS=OFF >/dev/null
  cmake --build "$build" >/dev/null
fi
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The largest data the program takes: 2000 food items, a full week, 100 activities,
# every day's activities and the largest weight file, which the warm starts load
# as the last one used (a first start knows no weight file yet).
data="$work/data"
mkdir -p "$data"
"$build/bench/ui_latency_bench" --data "$data"
warm="$work/warm"
cp -r "$data" "$warm"
"$build/bench/startup_bench" remember "$warm" "$warm/large.wgt"
(cd "$warm" && "$build/bench/startup_bench" tolvane "$warm" >/dev/null 2>&1)  # its first start, untimed

# Interleaved: each round starts every kind once, so that a change in the
# machine's load falls on all of them alike. A first start runs on a fresh copy
# of the data (no settings, no backups: the tutor, the information window and
# the automatic backup); a warm start on a folder started before.
runs=${RUNS:-9}
echo "load average at the start of the start-up runs: $(cut -d' ' -f1 /proc/loadavg)"
for round in $(seq "$runs"); do
  "$build/bench/startup_bench" bare 2>/dev/null >> "$work/bare.txt"
  "$build/bench/startup_bench" plain 2>/dev/null >> "$work/plain.txt"
  first="$work/first$round"
  cp -r "$data" "$first"
  (cd "$first" && "$build/bench/startup_bench" tolvane "$first" 2>> "$work/first-steps.txt") >> "$work/first.txt"
  rm -rf "$first"
  (cd "$warm" && "$build/bench/startup_bench" tolvane "$warm" 2>> "$work/warm-steps.txt") >> "$work/warm.txt"
done
echo "load average at the end: $(cut -d' ' -f1 /proc/loadavg)"
med() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
col() { awk -v c="$2" '{print $c}' "$work/$1.txt" | med; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.2f", a/b}'; }
echo "start-up to shown window, median of $runs interleaved rounds (wall ms, processor ms, peak KiB):"
for kind in bare plain first warm; do
  case $kind in
    bare) what="empty Qt window" ;;
    plain) what="plain Qt widgets (menu bar, six tabs, list of 2000 names)" ;;
    first) what="Tolvane, first start on full data" ;;
    warm) what="Tolvane, warm start, full data and the largest weight file" ;;
  esac
  printf '  %-62s %7s ms %7s ms %7s KiB\n' "$what" "$(col $kind 2)" "$(col $kind 4)" "$(col $kind 3)"
done
for kind in first warm; do
  echo "  $kind to plain: wall $(ratio "$(col $kind 2)" "$(col plain 2)"), processor $(ratio "$(col $kind 4)" "$(col plain 4)"), memory $(ratio "$(col $kind 3)" "$(col plain 3)")"
done
echo "  after the window (weight file, backup), last runs:"; grep "after the window" "$work/first-steps.txt" | tail -1; grep "after the window" "$work/warm-steps.txt" | tail -1
[ -n "${STARTUP_ONLY:-}" ] && exit 0

(cd "$work" && "$build/bench/foodtable_save_bench" 30)
for extra in "$build"/bench/*_bench; do
  case "$(basename "$extra")" in startup_bench|foodtable_save_bench) continue ;; esac
  echo "== $(basename "$extra")"; (cd "$work" && "$extra")
done
