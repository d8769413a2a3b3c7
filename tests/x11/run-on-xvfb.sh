#!/usr/bin/env bash
# Runs a test program on a private X server: Xvfb on a free display number,
# with the openbox window manager ("openbox") or with none ("bare"). The
# server and the window manager are stopped when the program ends, also on
# failure or interrupt.
#   run-on-xvfb.sh openbox|bare program [arguments]
set -euo pipefail
wm="$1"; shift
scratch="$(mktemp -d)"
xvfb_pid=""
wm_pid=""
cleanup() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT INT TERM

# -displayfd: the server picks a free display and writes its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$scratch/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$scratch/xvfb.log" >&2; exit 1; }
  sleep 0.05
done
[ -s "$scratch/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(tr -d '\n' <"$scratch/display")"

if [ "$wm" = openbox ]; then
  # The window manager is there once it names itself on the root window. On a
  # loaded machine it can fail to reach the new server: it is started again.
  for _ in 1 2 3; do
    openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
    wm_pid=$!
    for _ in $(seq 100); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break 2
      kill -0 "$wm_pid" 2>/dev/null || break
      sleep 0.05
    done
    kill "$wm_pid" 2>/dev/null || true
    wait "$wm_pid" 2>/dev/null || true
    sleep 0.5
  done
  xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || { cat "$scratch/openbox.log" >&2; exit 1; }
fi

export QT_QPA_PLATFORM=xcb TOLVANE_X11_WM="$wm"
export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" XDG_RUNTIME_DIR="$scratch/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
status=0
"$@" || status=$?
exit "$status"
