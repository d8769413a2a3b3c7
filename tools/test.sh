#!/usr/bin/env bash
# Installs what is missing, builds Tolvane with its tests and runs them all.
# Exits non-zero on any failure. TOLVANE_SANITIZE=1 also runs the tests in an
# AddressSanitizer/UndefinedBehaviorSanitizer build.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/tools/install-deps.sh"
jobs="$(nproc)"

run_suite() {
  local dir="$1"; shift
  cmake -S "$here" -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")
}

run_suite "$here/build-test" -DCMAKE_BUILD_TYPE=Release -DTOLVANE_WERROR=ON
if [ "${TOLVANE_SANITIZE:-0}" = "1" ]; then
  echo "== AddressSanitizer / UndefinedBehaviorSanitizer build =="
  run_suite "$here/build-asan" -DCMAKE_BUILD_TYPE=Debug -DTOLVANE_SANITIZE=ON -DTOLVANE_BENCH=OFF
fi
