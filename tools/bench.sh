#!/usr/bin/env bash
# Builds the benchmarks in Release mode and runs them; prints the ratios.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$here/build-bench"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOLVANE_TESTS=OFF >/dev/null
cmake --build "$build" >/dev/null
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The largest data the program takes: 2000 food items, a full week, 100 activities.
"$build/bench/ui_latency_bench" --data "$work"

runs=${RUNS:-9}
med() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
for mode in bare plain tolvane; do
  for _ in $(seq "$runs"); do (cd "$work" && "$build/bench/startup_bench" "$mode" "$work" 2>/dev/null); done > "$work/$mode.txt"
done
bare_ms=$(awk '{print $2}' "$work/bare.txt" | med); app_ms=$(awk '{print $2}' "$work/tolvane.txt" | med)
bare_kb=$(awk '{print $3}' "$work/bare.txt" | med); app_kb=$(awk '{print $3}' "$work/tolvane.txt" | med)
plain_ms=$(awk '{print $2}' "$work/plain.txt" | med); plain_kb=$(awk '{print $3}' "$work/plain.txt" | med)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.2f", a/b}'; }
echo "start-up to shown window, median of $runs:"
echo "  empty Qt window        $bare_ms ms, peak $bare_kb KiB"
echo "  plain Qt widgets       $plain_ms ms, peak $plain_kb KiB (menu bar, six tabs, list of 2000 names)"
echo "  Tolvane, full data     $app_ms ms, peak $app_kb KiB (2000 items, full week, 100 activities)"
echo "  ratio to the empty window $(ratio "$app_ms" "$bare_ms"), to the plain widgets $(ratio "$app_ms" "$plain_ms")"

(cd "$work" && "$build/bench/foodtable_save_bench" 30)
for extra in "$build"/bench/*_bench; do
  case "$(basename "$extra")" in startup_bench|foodtable_save_bench) continue ;; esac
  echo "== $(basename "$extra")"; (cd "$work" && "$extra")
done
