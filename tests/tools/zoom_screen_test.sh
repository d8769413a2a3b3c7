#!/usr/bin/env bash
# The zoom on a real X screen (Xvfb with a window manager): the program starts
# at the stored zoom times the desktop's own scale, its window that many times
# larger, and a bad stored zoom starts at 100%. With no zoom stored, the
# start keeps the largest zoom at which the window fits three quarters of the
# screen (250% on this 2600 x 1600 screen) and starts at it. With SHOTS=<folder> it also
# saves screenshots of the window at 100% and 200% there (ImageMagick's import).
# Usage: zoom_screen_test.sh <tolvane binary>   (run under xvfb-run)
set -euo pipefail
program=$(readlink -f "$1")
scratch=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

openbox >/dev/null 2>&1 &
wm=$!
sleep 1

# Width and height of the program's main window started with this Zoom
# value stored (and QT_SCALE_FACTOR as given).
window_size() {
  local zoom=$1 desktop=$2 shot=${3:-}
  mkdir -p "$scratch/config"
  # Top and Left stored: not a first start, so no tutor opens over the window.
  if [ "$zoom" = none ]; then
    printf '[General]\nTop=10\nLeft=25\n' > "$scratch/config/Tolvane.conf"
  else
    printf '[General]\nTop=10\nLeft=25\nZoom=%s\n' "$zoom" > "$scratch/config/Tolvane.conf"
  fi
  XDG_CONFIG_HOME="$scratch/config" HOME="$scratch" QT_SCALE_FACTOR="$desktop" QT_QPA_PLATFORM=xcb \
    "$program" --data-dir "$scratch/data" >/dev/null 2>&1 &
  pid=$!
  local id
  id=$(timeout 30 xdotool search --sync --onlyvisible --classname '^tolvane$' | head -n1)
  [ -n "$id" ] || { echo "no window of the program appeared" >&2; return 1; }
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$id")"
  if [ -n "$shot" ] && command -v import >/dev/null; then
    import -window "$id" "$shot"
  fi
  kill "$pid"; wait "$pid" 2>/dev/null || true
  pid=
  echo "$WIDTH $HEIGHT"
}

mkdir -p "${SHOTS:-$scratch/shots}"
read -r w1 h1 < <(window_size 100 "" "${SHOTS:-$scratch/shots}/zoom-100.png")
read -r w2 h2 < <(window_size 200 "" "${SHOTS:-$scratch/shots}/zoom-200.png")
read -r w3 h3 < <(window_size 150 2)
read -r wb hb < <(window_size 7000 "")
read -r wf hf < <(window_size none "")
kept=$(sed -n 's/^Zoom=//p' "$scratch/config/Tolvane.conf")
echo "100%: ${w1}x${h1}  200%: ${w2}x${h2}  150% on a desktop scale of 2: ${w3}x${h3}  stored 7000: ${wb}x${hb}"
echo "no zoom stored: ${wf}x${hf}, kept Zoom=${kept}"
fail=0
[ "$w1" -ge 632 ] || { echo "FAIL: the window at 100% is narrower than its client area"; fail=1; }
[ "$w2" -eq $((2 * w1)) ] && [ "$h2" -eq $((2 * h1)) ] || { echo "FAIL: 200% is not twice 100%"; fail=1; }
[ "$w3" -eq $((3 * w1)) ] && [ "$h3" -eq $((3 * h1)) ] || { echo "FAIL: 150% on a scale of 2 is not three times 100%"; fail=1; }
[ "$wb" -eq "$w1" ] && [ "$hb" -eq "$h1" ] || { echo "FAIL: a bad stored zoom did not start at 100%"; fail=1; }
[ "$kept" = 250 ] || { echo "FAIL: the first start kept the zoom '$kept', not 250"; fail=1; }
# A fractional scale rounds the window's edges: within 4 pixels of 250%.
d=$((2 * wf - 5 * w1)); [ "${d#-}" -le 8 ] || { echo "FAIL: the first start's window is not 250% of 100%"; fail=1; }
exit $fail
