#!/usr/bin/env bash
# Takes the README's screenshot again: the main window at 100% zoom on a fresh
# data folder, on Xvfb with openbox, saved as docs/screenshot.png.
# Usage: tools/screenshot.sh [build dir] [output png]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build-test}"
out="${2:-$here/docs/screenshot.png}"
program="$build/tolvane"
[ -x "$program" ] || program="$(find "$build" -name tolvane -type f -perm -u+x | head -n1)"
[ -x "$program" ] || { echo "no tolvane binary under $build" >&2; exit 2; }
command -v import >/dev/null || {
  as_root=(); [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update && "${as_root[@]}" apt-get install -y --no-install-recommends imagemagick
}
scratch=$(mktemp -d)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$scratch"; }
trap cleanup EXIT

Xvfb :97 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=:97
sleep 1
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
mkdir -p "$scratch/config"
# Top, Left and a zoom stored: not a first start, so no tutor covers the window.
printf '[General]\nTop=10\nLeft=25\nZoom=100\n' > "$scratch/config/Tolvane.conf"
XDG_CONFIG_HOME="$scratch/config" HOME="$scratch" QT_QPA_PLATFORM=xcb \
  "$program" --data-dir "$scratch/data" >/dev/null 2>&1 &
pids+=($!)
id=$(timeout 30 xdotool search --sync --onlyvisible --classname '^tolvane$' | head -n1)
[ -n "$id" ] || { echo "no window of the program appeared" >&2; exit 1; }
sleep 2
import -window "$id" "$out"
echo "saved $out"
