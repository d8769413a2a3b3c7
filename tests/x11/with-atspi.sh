#!/usr/bin/env bash
# Runs a program with the accessibility bus (AT-SPI) of a desktop session, as
# a screen reader finds the program there; run inside dbus-run-session.
#   with-atspi.sh program [arguments]
set -euo pipefail
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher=$!
trap 'kill "$launcher" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
  sleep 0.05
done
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$@"
