#!/usr/bin/env bash
# Installs what is missing, builds Tolvane in Release mode and starts it on the
# user's data folder (~/.local/share/Tolvane, created with the starter foods and
# activities on the first start). Options given are passed on instead
# (--data-dir DIR, --help, ...).
set -euo pipefail
[ $# -eq 0 ] && set -- --user-data
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/tools/install-deps.sh"
cmake -S "$here" -B "$here/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOLVANE_TESTS=OFF >/dev/null
cmake --build "$here/build-release" --target tolvane
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting Tolvane on a virtual screen (xvfb-run)."
  exec xvfb-run -a "$here/build-release/tolvane" "$@"
fi
exec "$here/build-release/tolvane" "$@"
